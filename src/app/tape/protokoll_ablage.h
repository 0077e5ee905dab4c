#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

namespace staffel::app {

class ProtokollModell;

// Keeps the tape across runs in one JSON file: read back at start, written when it has changed,
// once a minute and at the end of the run, always through a temporary file that replaces the
// old one only when complete. A file that cannot be read is set aside under another name and
// never stops the program; the tape window tells where it went.
class ProtokollAblage : public QObject {
    Q_OBJECT
  public:
    ProtokollAblage(ProtokollModell& modell, QString pfad, QObject* parent = nullptr);

    // protokoll.json in the user's data folder of the program (QStandardPaths).
    static QString standardPfad();

    void laden();
    // False when the file could not be written; the tape window then says so.
    bool sichern();

  private:
    void beiseitelegen();

    ProtokollModell& modell_;
    QString pfad_;
    QTimer takt_;
    bool geaendert_ = false;
    // Off when a file that could not be read also could not be set aside: it is not overwritten.
    bool sichernErlaubt_ = true;
    bool sicherungScheiterte_ = false;  // the tape window's note is about the last save
};

}  // namespace staffel::app
