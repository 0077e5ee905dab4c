#pragma once

#include <QString>

class QWidget;

namespace staffel::app {

// Prints each value calculation as one line («m[4 , 0][2 , 3] =   6») in the font "arial" on
// the default printer, one page per line, while the menu's check mark is set. When printing
// is not possible the user is told once per switching on; the result stays on the screen.
class RechnungsDrucker {
  public:
    // Called when the check mark of "&Rechnung drucken" changes.
    void setzeAktiv(bool aktiv);
    bool aktiv() const { return aktiv_; }
    // RechnungsDruck: prints the line if active; parent owns any message box.
    void RechnungsDruck(QWidget* parent, const QString& zeile);

  private:
    bool aktiv_ = false;
    bool gewarnt_ = false;
};

}  // namespace staffel::app
