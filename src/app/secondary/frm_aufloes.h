#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace staffel {
class ModulRA;
}

namespace staffel::app {

// frmAufloes: the resolution list and step count the last calculation left in the engine
// state, taken once when the window is built.
class FrmAufloes : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAufloes(const ModulRA& modul, QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    QLabel* lblStpwert_ = nullptr;
    QLabel* lblListwert_ = nullptr;
};

}  // namespace staffel::app
