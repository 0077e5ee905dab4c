#pragma once

#include <QDialog>

namespace staffel::app {

// frmEnde: asks "Aufhören ?". Accepted means "Ja"; "Nein", Escape and closing the window
// reject. "Nein" holds the focus and is the default button, so Enter declines; Enter on a
// focused "Ja" (Tab) accepts.
class FrmEnde : public QDialog {
    Q_OBJECT
  public:
    explicit FrmEnde(QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;
};

}  // namespace staffel::app
