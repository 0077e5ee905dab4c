#pragma once

#include <QDialog>

class QTextEdit;

namespace staffel::app {

// frmAutor: the author information, closed by "ok".
class FrmAutor : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAutor(QWidget* parent = nullptr);
    QTextEdit* anzeige() const { return anzeige_; }

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void beschriften();

    QTextEdit* anzeige_ = nullptr;
};

}  // namespace staffel::app
