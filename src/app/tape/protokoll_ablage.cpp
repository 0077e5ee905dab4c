#include "app/tape/protokoll_ablage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <optional>

#include "app/shared/datei_speichern.h"
#include "app/tape/protokoll_model.h"

namespace staffel::app {

namespace {

constexpr int kTaktMillisekunden = 60'000;
const QString kFormat = QStringLiteral("staffelrechner-protokoll");
constexpr int kVersion = 1;

// The row's texts under their keys; a key missing in the file reads as empty.
struct TextFeld {
    const char* schluessel;
    QString ProtokollZeile::*feld;
};
constexpr TextFeld kTextFelder[] = {
    {"druckzeile", &ProtokollZeile::druckzeile},
    {"rechenart", &ProtokollZeile::rechenart},
    {"aufzahl", &ProtokollZeile::aufzahl},
    {"basis", &ProtokollZeile::basis},
    {"exponent", &ProtokollZeile::exponent},
    {"ergebnis", &ProtokollZeile::ergebnis},
    {"meldung", &ProtokollZeile::meldung},
    {"name", &ProtokollZeile::name},
    {"fehlerMeldung", &ProtokollZeile::fehlerMeldung},
    {"groesse", &ProtokollZeile::groesse},
};
const QString kGueltig = QStringLiteral("gueltig");

bool brauchtEscape(QChar zeichen) {
    return zeichen == QLatin1Char('"') || zeichen == QLatin1Char('\\') || zeichen.unicode() < 0x20;
}

void jsonText(QString& ziel, const QString& text) {
    ziel += QLatin1Char('"');
    if (std::none_of(text.begin(), text.end(), brauchtEscape)) {
        ziel += text;
        ziel += QLatin1Char('"');
        return;
    }
    for (const QChar zeichen : text) {
        if (zeichen.unicode() < 0x20) {
            ziel += QStringLiteral("\\u%1").arg(zeichen.unicode(), 4, 16, QLatin1Char('0'));
            continue;
        }
        if (brauchtEscape(zeichen)) ziel += QLatin1Char('\\');
        ziel += zeichen;
    }
    ziel += QLatin1Char('"');
}

// Written by hand, one row a line: building a QJsonDocument of 100 000 rows every minute
// would hold the window up for seconds.
QByteArray alsJson(const ProtokollZeilen& zeilen) {
    QString text =
        QStringLiteral("{\"format\":\"%1\",\"version\":%2,\"zeilen\":[").arg(kFormat).arg(kVersion);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        text += QLatin1String(i == 0 ? "\n{" : ",\n{");
        for (const TextFeld& f : kTextFelder) {
            text += QLatin1Char('"') + QLatin1String(f.schluessel) + QLatin1String("\":");
            jsonText(text, zeilen[i].*(f.feld));
            text += QLatin1Char(',');
        }
        text += QLatin1Char('"') + kGueltig + QLatin1String("\":");
        text += QLatin1String(zeilen[i].gueltig ? "true}" : "false}");
    }
    text += QLatin1String("\n]}\n");
    return text.toUtf8();
}

// Nothing when the text is not a tape file of this program.
std::optional<ProtokollZeilen> ausJson(const QByteArray& text) {
    QJsonParseError fehler;
    const QJsonDocument dokument = QJsonDocument::fromJson(text, &fehler);
    const QJsonObject datei = dokument.object();
    if (fehler.error != QJsonParseError::NoError || datei.value(u"format").toString() != kFormat ||
        datei.value(u"version").toInt() != kVersion || !datei.value(u"zeilen").isArray()) {
        return std::nullopt;
    }
    ProtokollZeilen zeilen;
    for (const QJsonValue& wert : datei.value(u"zeilen").toArray()) {
        if (!wert.isObject()) return std::nullopt;
        const QJsonObject objekt = wert.toObject();
        ProtokollZeile zeile;
        for (const TextFeld& f : kTextFelder) {
            zeile.*(f.feld) = objekt.value(QLatin1String(f.schluessel)).toString();
        }
        zeile.gueltig = objekt.value(kGueltig).toBool();
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

}  // namespace

ProtokollAblage::ProtokollAblage(ProtokollModell& modell, QString pfad, QObject* parent)
    : QObject(parent), modell_(modell), pfad_(std::move(pfad)) {
    const auto merken = [this] { geaendert_ = true; };
    connect(&modell_, &QAbstractItemModel::rowsInserted, this, merken);
    connect(&modell_, &QAbstractItemModel::modelReset, this, merken);
    takt_.setInterval(kTaktMillisekunden);
    connect(&takt_, &QTimer::timeout, this, [this] {
        if (geaendert_) sichern();
    });
    takt_.start();
}

QString ProtokollAblage::standardPfad() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("protokoll.json"));
}

void ProtokollAblage::laden() {
    QFile datei(pfad_);
    if (!datei.exists()) return;
    std::optional<ProtokollZeilen> zeilen;
    if (datei.open(QIODevice::ReadOnly)) zeilen = ausJson(datei.readAll());
    if (!zeilen) {
        beiseitelegen();
        return;
    }
    modell_.ersetzen(std::move(*zeilen));
    geaendert_ = false;
}

// Under a name of its own, so that the next save does not overwrite what the user may want.
void ProtokollAblage::beiseitelegen() {
    const QString stempel =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QFileInfo info(pfad_);
    const QString neu =
        info.dir().filePath(QStringLiteral("%1.beschaedigt-%2.%3")
                                .arg(info.completeBaseName(), stempel, info.suffix()));
    if (QFile::rename(pfad_, neu)) {
        modell_.setzeHinweis(
            QT_TRANSLATE_NOOP("frmProtokoll",
                              "Die gesicherte Protokolldatei war unlesbar; sie liegt nun unter %1. "
                              "Das Protokoll beginnt leer."),
            {QDir::toNativeSeparators(neu)});
        return;
    }
    sichernErlaubt_ = false;
    modell_.setzeHinweis(
        QT_TRANSLATE_NOOP("frmProtokoll",
                          "Die gesicherte Protokolldatei %1 ist unlesbar und lässt sich nicht "
                          "umbenennen. Sie bleibt unverändert; dieses Protokoll wird nicht "
                          "gesichert."),
        {QDir::toNativeSeparators(pfad_)});
}

bool ProtokollAblage::sichern() {
    if (!sichernErlaubt_) return false;
    QSaveFile datei(pfad_);
    const QByteArray inhalt = alsJson(modell_.zeilen());
    const bool gesichert = QDir().mkpath(QFileInfo(pfad_).absolutePath()) &&
                           datei.open(QIODevice::WriteOnly) &&
                           datei.write(inhalt) == inhalt.size() && datei.commit();
    if (!gesichert) {
        modell_.setzeHinweis(
            QT_TRANSLATE_NOOP("frmProtokoll", "Das Protokoll lässt sich nicht in %1 sichern: %2"),
            {QDir::toNativeSeparators(pfad_), grundInFensterSprache(datei.errorString())});
        sicherungScheiterte_ = true;
        return false;
    }
    if (sicherungScheiterte_) modell_.setzeHinweis(nullptr);
    sicherungScheiterte_ = false;
    geaendert_ = false;
    return true;
}

}  // namespace staffel::app
