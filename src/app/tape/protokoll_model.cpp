#include "app/tape/protokoll_model.h"

#include <QCoreApplication>

#include "app/language/engine_texts.h"
#include "app/language/groesse_worte.h"
#include "engine/run/rechnen.h"

namespace staffel::app {

namespace {

// A Meldung is the printed result already; only a number gives way to the box's text.
bool ergebnisWeichtBox(const ProtokollZeile& zeile) {
    return zeile.meldung.isEmpty() && !zeile.fehlerMeldung.isEmpty();
}

}  // namespace

QString ausgangsText(const ProtokollZeile& zeile) {
    return zeile.meldung.isEmpty() ? zeile.fehlerMeldung : zeile.meldung;
}

QString protokollText(const ProtokollZeile& zeile) {
    if (!ergebnisWeichtBox(zeile) || !zeile.druckzeile.endsWith(zeile.ergebnis)) {
        return mitGroesse(zeile.druckzeile, zeile.groesse);
    }
    return zeile.druckzeile.chopped(zeile.ergebnis.size()) + zeile.fehlerMeldung;
}

int ProtokollModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

QVariant ProtokollModell::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) return {};
    return angezeigteZeile(zeilen_[static_cast<std::size_t>(index.row())]);
}

QString angezeigteZeile(const ProtokollZeile& zeile) {
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
    ersetzen({});
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
