#include "app/tape/protokoll_model.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUuid>
#include <algorithm>

#include "app/language/engine_texts.h"
#include "app/language/groesse_worte.h"
#include "engine/run/rechnen.h"

namespace staffel::app {

namespace {

// The marks before a refused calculation and a graph, in the engine's German as files keep them.
constexpr const char* kMarkeAbgelehnt = QT_TRANSLATE_NOOP("frmProtokoll", "[abgelehnt]");
constexpr const char* kMarkeGraph = QT_TRANSLATE_NOOP("frmProtokoll", "[Graph]");

ProtokollUhr& uhr() {
    static ProtokollUhr gesetzt;
    return gesetzt;
}

QString formel(const QStringList& eingaben) {
    return QStringLiteral("m[%1 , %2][%3 , %4]")
        .arg(eingaben.value(0).trimmed(), eingaben.value(1).trimmed(), eingaben.value(2).trimmed(),
             eingaben.value(3).trimmed());
}

// The kind's mark and the row's formula, a refusal with its box's text after it; the two
// functions give the mark and the box's text in German or in the window's language.
QString markierteZeile(const ProtokollZeile& zeile, QString (*sprache)(const char*),
                       QString (*boxText)(const QString&)) {
    if (zeile.art == ZeilenArt::Graph) return sprache(kMarkeGraph) + u' ' + zeile.druckzeile;
    return sprache(kMarkeAbgelehnt) + u' ' + zeile.druckzeile + QLatin1String(": ") +
           boxText(zeile.fehlerMeldung);
}

QString deutscheMarke(const char* marke) {
    return QString::fromUtf8(marke);
}

QString uebersetzteMarke(const char* marke) {
    return QCoreApplication::translate("frmProtokoll", marke);
}

QString wieGespeichert(const QString& text) {
    return text;
}

// A Meldung is the printed result already; only a number gives way to the box's text.
bool ergebnisWeichtBox(const ProtokollZeile& zeile) {
    return zeile.meldung.isEmpty() && !zeile.fehlerMeldung.isEmpty();
}

}  // namespace

QString ausgangsText(const ProtokollZeile& zeile) {
    return zeile.meldung.isEmpty() ? zeile.fehlerMeldung : zeile.meldung;
}

QString protokollText(const ProtokollZeile& zeile) {
    if (zeile.art != ZeilenArt::Wert) return markierteZeile(zeile, deutscheMarke, wieGespeichert);
    if (!ergebnisWeichtBox(zeile) || !zeile.druckzeile.endsWith(zeile.ergebnis)) {
        return mitGroesse(zeile.druckzeile, zeile.groesse);
    }
    return zeile.druckzeile.chopped(zeile.ergebnis.size()) + zeile.fehlerMeldung;
}

ProtokollZeile abgelehnteZeile(const QStringList& eingaben, const QString& box) {
    ProtokollZeile zeile;
    zeile.art = ZeilenArt::Abgelehnt;
    zeile.druckzeile = formel(eingaben);
    zeile.rechenart = eingaben.value(0);
    zeile.aufzahl = eingaben.value(1);
    zeile.basis = eingaben.value(2);
    zeile.exponent = eingaben.value(3);
    zeile.fehlerMeldung = box;
    return zeile;
}

ProtokollZeile graphZeile(const QString& formel, const QStringList& eingaben) {
    ProtokollZeile zeile = abgelehnteZeile(eingaben, QString());
    zeile.art = ZeilenArt::Graph;
    zeile.druckzeile = formel;
    return zeile;
}

void setzeProtokollUhr(ProtokollUhr neu) {
    uhr() = std::move(neu);
}

ProtokollModell::ProtokollModell(QObject* parent)
    : QAbstractListModel(parent), lauf_(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

qint64 ProtokollModell::naechsteZeit() {
    const qint64 jetzt = uhr() ? uhr()() : QDateTime::currentMSecsSinceEpoch();
    letzteZeit_ = std::max(jetzt, letzteZeit_ + 1);
    return letzteZeit_;
}

int ProtokollModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

QVariant ProtokollModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return angezeigteZeile(zeilen_[static_cast<std::size_t>(index.row())]);
}

QString angezeigteZeile(const ProtokollZeile& zeile) {
    if (zeile.art != ZeilenArt::Wert) {
        return markierteZeile(zeile, uebersetzteMarke, gespeicherterEngineText);
    }
    // The line is kept in the engine's German; the limit's marker and the result or failure
    // are shown in the current language.
    QString text = zeile.druckzeile;
    if (text.endsWith(zeile.ergebnis)) {
        QString formel = text.chopped(zeile.ergebnis.size());
        // The formula holds the marker as the engine read it, without its leading blank.
        formel.replace(QString::fromUtf8(texte::Unendlich).trimmed(),
                       engineText(TextId::Unendlich).trimmed());
        const QString ausgang = ergebnisWeichtBox(zeile) ? zeile.fehlerMeldung : zeile.ergebnis;
        text = formel + gespeicherterEngineText(ausgang);
    }
    if (zeile.groesse.isEmpty()) return text;
    // The same words as beneath the result label.
    return text + QLatin1String("   ") + groesseZeile(zeile.groesse);
}

QString mitGroesse(const QString& druckzeile, const QString& groesse) {
    if (groesse.isEmpty()) return druckzeile;
    return druckzeile + QStringLiteral("   Größe: ") + groesse;
}

void ProtokollModell::anhaengen(ProtokollZeile zeile) {
    zeile.zeit = naechsteZeit();
    zeile.id = lauf_ + u'/' + QString::number(++gezaehlt_);
    if (zeilen_.size() >= kMaxZeilen) {
        beginRemoveRows({}, 0, 0);
        zeilen_.pop_front();
        endRemoveRows();
    }
    const int neu = rowCount();
    beginInsertRows({}, neu, neu);
    zeilen_.push_back(std::move(zeile));
    endInsertRows();
}

void ProtokollModell::leeren() {
    const qint64 bis = naechsteZeit();
    ersetzen({});
    emit geleert(bis);
}

void ProtokollModell::ersetzen(ProtokollZeilen zeilen) {
    beginResetModel();
    zeilen_ = std::move(zeilen);
    if (zeilen_.size() > kMaxZeilen) {
        zeilen_.erase(zeilen_.begin(),
                      zeilen_.begin() + static_cast<std::ptrdiff_t>(zeilen_.size() - kMaxZeilen));
    }
    endResetModel();
}

void ProtokollModell::setzeHinweis(const char* text, const QStringList& argumente) {
    hinweisText_ = text;
    hinweisArgumente_ = argumente;
    emit hinweisGeaendert();
}

QString ProtokollModell::hinweis() const {
    if (hinweisText_ == nullptr) return {};
    const QString text = QCoreApplication::translate("frmProtokoll", hinweisText_);
    switch (hinweisArgumente_.size()) {
        case 0:
            return text;
        case 1:
            return text.arg(hinweisArgumente_[0]);
        default:
            return text.arg(hinweisArgumente_[0], hinweisArgumente_[1]);
    }
}

}  // namespace staffel::app
