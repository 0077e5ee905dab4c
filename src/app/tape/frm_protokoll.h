#pragma once

#include <QWidget>
#include <vector>

class QLabel;
class QListView;
class QPushButton;

namespace staffel::app {

class ProtokollModell;

// frmProtokoll, "Protokoll": the tape as a list, newest last. Not modal; it belongs to the
// main window, whose four input fields a row is loaded back into, and closes with it.
class FrmProtokoll : public QWidget {
    Q_OBJECT
  public:
    FrmProtokoll(ProtokollModell& modell, QWidget* haupt);

    // The selected rows' printed lines to the clipboard (Ctrl+C anywhere in the window).
    void kopieren();
    // The current row's inputs into the main window's fields (double-click, Enter), whose change
    // handlers run as for typing; a limit row calculates its limit again. Refused while a
    // calculation runs (the fields are locked).
    void laden();
    // "Leeren", once the user has confirmed it.
    void leeren();
    // "Speichern unter …": CSV, or the printed lines when the name ends in ".txt".
    void speichernUnter();
    bool speichern(const QString& pfad);
    void drucken();

  protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslate();
    void zumEnde();
    void knoepfeSchalten();

    ProtokollModell& modell_;
    QWidget* haupt_;
    QListView* lstProtokoll_ = nullptr;
    QLabel* lblHinweis_ = nullptr;
    std::vector<QPushButton*> knoepfe_;
};

// Opens the main window's tape window, or brings it forward when it is already open.
void zeigeProtokoll(QWidget* haupt, ProtokollModell& modell);

}  // namespace staffel::app
