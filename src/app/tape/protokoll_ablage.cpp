#include "app/tape/protokoll_ablage.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "app/shared/datei_speichern.h"

namespace staffel::app {

namespace {

constexpr int kTaktMillisekunden = 60'000;
// A save holds the lock for well under a second even at the bound. A lock left by a run that
// died is taken over at once on this machine; on a shared folder after kSperreVeraltet.
constexpr int kSperreWarten = 5'000;
constexpr int kSperreVeraltet = 30'000;

QString schreibeGanz(QSaveFile& datei, const QByteArray& inhalt) {
    return datei.write(inhalt) == inhalt.size() ? QString() : datei.errorString();
}

ProtokollAblage::Schreiber& schreiber() {
    static ProtokollAblage::Schreiber gesetzt;
    return gesetzt;
}

QString sperrGrund(QLockFile::LockError fehler) {
    switch (fehler) {
        case QLockFile::LockFailedError:
            return QCoreApplication::translate(
                "Meldung", "Ein anderes Fenster des Rechners hält die Protokolldatei gesperrt.");
        case QLockFile::PermissionError:
            return grundInFensterSprache(QStringLiteral("Permission denied"));
        case QLockFile::NoError:
        case QLockFile::UnknownError:
            break;
    }
    return QCoreApplication::translate("Meldung", "Die Sperrdatei lässt sich nicht anlegen.");
}

}  // namespace

void ProtokollAblage::setzeSchreiber(Schreiber neu) {
    schreiber() = std::move(neu);
}

ProtokollAblage::ProtokollAblage(ProtokollModell& modell, QString pfad, QObject* parent)
    : QObject(parent), modell_(modell), pfad_(std::move(pfad)) {
    // Rows calculated before the tape was attached to its file belong to this run.
    if (modell_.rowCount() > 0) merken(0, modell_.rowCount() - 1);
    connect(&modell_, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int erste, int letzte) { merken(erste, letzte); });
    connect(&modell_, &ProtokollModell::geleert, this, &ProtokollAblage::geleert);
    takt_.setInterval(kTaktMillisekunden);
    connect(&takt_, &QTimer::timeout, this, [this] {
        if (hatUngesichertes()) sichern();
    });
    takt_.start();
}

QString ProtokollAblage::standardPfad() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("protokoll.json"));
}

void ProtokollAblage::merken(int erste, int letzte) {
    for (int i = erste; i <= letzte; ++i) {
        ungesichert_.push_back(modell_.zeilen()[static_cast<std::size_t>(i)]);
    }
    // Beyond the bound the oldest would fall out of the file at the save anyway.
    while (ungesichert_.size() > ProtokollModell::kMaxZeilen) ungesichert_.pop_front();
}

void ProtokollAblage::geleert(qint64 bis) {
    ungesichert_.clear();
    geleertBis_ = std::max(geleertBis_, bis);
    geleertUngesichert_ = true;
    sichern();
}

void ProtokollAblage::verwerfen() {
    ungesichert_.clear();
    geleertUngesichert_ = false;
}

void ProtokollAblage::laden() {
    if (!QFile::exists(pfad_)) return;
    std::optional<ProtokollStand> stand = dateiLesen();
    if (!stand) return;
    geleertBis_ = std::max(geleertBis_, stand->geleertBis);
    modell_.ersetzen(zusammenfuehren(std::move(stand->zeilen), ungesichert_, geleertBis_));
}

std::optional<ProtokollStand> ProtokollAblage::dateiLesen() {
    QFile datei(pfad_);
    if (!datei.exists()) return ProtokollStand{};
    // Taken before reading: a file replaced in between is read again next time.
    const std::optional<DateiKennung> kennung = dateiKennung(pfad_);
    if (kennung && kennung == bekannteKennung_) return bekannt_;
    // Not to be replaced unread: it may hold the other runs' rows.
    if (!datei.open(QIODevice::ReadOnly)) {
        scheitern(
            QCoreApplication::translate("Meldung", "Die Protokolldatei lässt sich nicht lesen."));
        return std::nullopt;
    }
    std::optional<ProtokollStand> stand = protokollAusJson(datei.readAll());
    if (stand) {
        bekannteKennung_ = kennung;
        bekannt_ = *stand;
        return stand;
    }
    datei.close();
    if (!beiseitelegen()) return std::nullopt;
    return ProtokollStand{};
}

// Under a name of its own, so that the next save does not overwrite what the user may want.
bool ProtokollAblage::beiseitelegen() {
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
        return true;
    }
    sichernErlaubt_ = false;
    modell_.setzeHinweis(
        QT_TRANSLATE_NOOP("frmProtokoll",
                          "Die gesicherte Protokolldatei %1 ist unlesbar und lässt sich nicht "
                          "umbenennen. Sie bleibt unverändert; dieses Protokoll wird nicht "
                          "gesichert."),
        {QDir::toNativeSeparators(pfad_)});
    return false;
}

bool ProtokollAblage::sichern() {
    if (!sichernErlaubt_) {
        return scheitern(QCoreApplication::translate(
            "Meldung", "Die Protokolldatei ist unlesbar und lässt sich nicht beiseitelegen."));
    }
    if (!QDir().mkpath(QFileInfo(pfad_).absolutePath())) {
        return scheitern(
            QCoreApplication::translate("Meldung", "Der Ordner lässt sich nicht anlegen."));
    }
    // Between reading the file and replacing it no other run may write it.
    QLockFile sperre(pfad_ + QStringLiteral(".lock"));
    sperre.setStaleLockTime(kSperreVeraltet);
    if (!sperre.tryLock(kSperreWarten)) return scheitern(sperrGrund(sperre.error()));
    std::optional<ProtokollStand> stand = dateiLesen();
    if (!stand) return false;
    const qint64 geleertBis = std::max(geleertBis_, stand->geleertBis);
    ProtokollStand neu{zusammenfuehren(std::move(stand->zeilen), ungesichert_, geleertBis),
                       geleertBis};
    const QByteArray inhalt = protokollJson(neu);

    QSaveFile datei(pfad_);
    QString grund;
    if (!datei.open(QIODevice::WriteOnly)) {
        grund = datei.errorString();
    } else if (grund = (schreiber() ? schreiber() : schreibeGanz)(datei, inhalt);
               grund.isEmpty() && !datei.commit()) {
        grund = datei.errorString();
    }
    if (!grund.isEmpty()) return scheitern(grundInFensterSprache(grund));

    // Still under the lock: what stands there now is what was written.
    bekannteKennung_ = dateiKennung(pfad_);
    bekannt_ = std::move(neu);
    ungesichert_.clear();
    geleertUngesichert_ = false;
    if (!fehlerGrund_.isEmpty()) modell_.setzeHinweis(nullptr);
    fehlerGrund_.clear();
    return true;
}

bool ProtokollAblage::scheitern(const QString& grund) {
    modell_.setzeHinweis(
        QT_TRANSLATE_NOOP("frmProtokoll", "Das Protokoll lässt sich nicht in %1 sichern: %2"),
        {QDir::toNativeSeparators(pfad_), grund});
    if (grund != fehlerGrund_) {
        fehlerGrund_ = grund;
        emit sicherungGescheitert(grund);
    }
    return false;
}

}  // namespace staffel::app
