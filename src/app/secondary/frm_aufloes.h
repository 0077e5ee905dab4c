#pragma once

#include <QDialog>
#include <string>

class QLabel;
class QPushButton;

namespace staffel::app {

// frmAufloes: the resolution list and step count the last calculation left, taken once when
// the window is built.
class FrmAufloes : public QDialog {
    Q_OBJECT
  public:
    FrmAufloes(const std::string& auflListe, int anzahlStellen, QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel* lblStpwert_ = nullptr;
    QLabel* lblListwert_ = nullptr;
};

}  // namespace staffel::app
