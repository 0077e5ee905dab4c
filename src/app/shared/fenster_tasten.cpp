#include "app/shared/fenster_tasten.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>

#include "app/shared/fokus_rahmen.h"

namespace staffel::app {

namespace {

// Sees the keys that the focused widget left to its window.
class TastenFilter : public QObject {
  public:
    explicit TastenFilter(QWidget* fenster) : QObject(fenster), fenster_(fenster) {
        fenster->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* beobachtet, QEvent* event) override {
        if (beobachtet != fenster_ || event->type() != QEvent::KeyPress) return false;
        auto* taste = static_cast<QKeyEvent*>(event);
        if ((taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        switch (taste->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                if (auto* knopf = qobject_cast<QPushButton*>(fenster_->focusWidget())) {
                    knopf->click();
                    return true;
                }
                return false;
            case Qt::Key_Escape:
                if (qobject_cast<QDialog*>(fenster_) != nullptr) return false;
                fenster_->close();
                return true;
            default:
                return false;
        }
    }

  private:
    QWidget* fenster_;
};

}  // namespace

void fensterTasten(QWidget* fenster) {
    new TastenFilter(fenster);
    auto* schliessen = new QAction(fenster);
    schliessen->setObjectName(QStringLiteral("tasteSchliessen"));
    schliessen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    schliessen->setShortcutContext(Qt::WindowShortcut);
    fenster->addAction(schliessen);
    QObject::connect(schliessen, &QAction::triggered, fenster, &QWidget::close);
    fokusRahmen(fenster);
}

}  // namespace staffel::app
