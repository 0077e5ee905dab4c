#pragma once

#include <QDialog>

#include "engine/graph/graph_einstellungen.h"

class QLineEdit;
class QRadioButton;

namespace staffel::app {

// frmWerte, "Einstellungen der Graphik": edits the stored graph settings. "Zeichnen" stores
// the fields at once and closes only when both ranges are non-empty, so a refused "Zeichnen"
// has already stored its values; "Abbrechen", Esc or closing the window store nothing more.
// Enter in a field or on an option draws, as "Zeichnen" does.
class FrmWerte : public QDialog {
    Q_OBJECT

  public:
    explicit FrmWerte(GraphEinstellungen& einstellungen, QWidget* parent = nullptr);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void zeichnen();

    GraphEinstellungen& g_;
    QLineEdit* txtUXGrenz_ = nullptr;
    QLineEdit* txtOXGrenz_ = nullptr;
    QLineEdit* txtUYGrenz_ = nullptr;
    QLineEdit* txtOYGrenz_ = nullptr;
    QLineEdit* txtDX_ = nullptr;
};

}  // namespace staffel::app
