#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "app/tape/datei_kennung.h"
#include "app/tape/protokoll_json.h"

class QSaveFile;

namespace staffel::app {

// Keeps the tape across runs in one JSON file: read back at start, written when this run has
// rows the file lacks, once a minute, at once when the tape is cleared, and at the end of the
// run. Several runs share the file: a save takes the file's lock, reads what the others wrote
// meanwhile and merges this run's new rows into it by the time they were calculated, then
// replaces the file through a temporary file. A file that cannot be read is set aside under
// another name and never stops the program; the tape window tells where it went.
//
// Clearing the tape clears the file's rows calculated up to that moment, in every run: a run's
// row from before it that was not yet saved is dropped when it is.
class ProtokollAblage : public QObject {
    Q_OBJECT
  public:
    ProtokollAblage(ProtokollModell& modell, QString pfad, QObject* parent = nullptr);

    // protokoll.json in the user's data folder of the program (QStandardPaths).
    static QString standardPfad();
    const QString& pfad() const { return pfad_; }
    // The tape as this run shows it.
    const ProtokollZeilen& zeilen() const { return modell_.zeilen(); }

    // The file's rows into the model, with the rows the model holds already that were not saved.
    void laden();
    // False when the file could not be written; fehlerGrund() then tells why.
    bool sichern();
    // Whether this run has rows or a clearing the file does not hold yet.
    bool hatUngesichertes() const { return !ungesichert_.empty() || geleertUngesichert_; }
    // The last save's reason for failing, in the window's language; empty after a success.
    const QString& fehlerGrund() const { return fehlerGrund_; }
    // Gives up what was not saved, for a run that ends without it.
    void verwerfen();

    // Writes content into the open file; Qt's reason for the failure, empty on success.
    using Schreiber = std::function<QString(QSaveFile& datei, const QByteArray& inhalt)>;
    // Replaces the writing, for tests (a full disk); an empty function restores the real one.
    static void setzeSchreiber(Schreiber schreiber);

  signals:
    // When saving begins to fail and whenever its reason changes, not at every failed attempt.
    void sicherungGescheitert(const QString& grund);

  private:
    void merken(int erste, int letzte);
    void geleert(qint64 bis);
    bool beiseitelegen();
    bool scheitern(const QString& grund);
    // The file as it is now, or nothing when it exists and cannot be read (fehlerGrund() says
    // why); a file that is no tape is set aside and reads as empty.
    std::optional<ProtokollStand> dateiLesen();

    ProtokollModell& modell_;
    QString pfad_;
    QTimer takt_;
    ProtokollZeilen ungesichert_;  // this run's rows the file may lack, oldest first
    qint64 geleertBis_ = 0;
    bool geleertUngesichert_ = false;
    // Off when a file that could not be read also could not be set aside: it is not overwritten.
    bool sichernErlaubt_ = true;
    QString fehlerGrund_;
    // The file as this run last read or wrote it: read again only once another run has
    // replaced it, which at the bound saves a second of parsing each minute.
    std::optional<DateiKennung> bekannteKennung_;
    ProtokollStand bekannt_;
};

}  // namespace staffel::app
