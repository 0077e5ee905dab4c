#include "app/shared/fokus_rahmen.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "app/shared/window_design.h"

namespace staffel::app {

namespace {

constexpr int kLuecke = 1;  // pixels between the widget and its ring
constexpr int kBreite = 2;  // pixels of the ring itself

// A child of the window above all others, sized to the focused widget and transparent to the
// mouse; it follows the focus, and the widget's moves and sizes while it has it.
class FokusRing : public QWidget {
  public:
    explicit FokusRing(QWidget* fenster) : QWidget(fenster) {
        setObjectName(QStringLiteral("fokusRahmen"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        hide();
        connect(qApp, &QApplication::focusChanged, this,
                [this](QWidget*, QWidget* jetzt) { folge(jetzt); });
        folge(QApplication::focusWidget());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter maler(this);
        const QRect r = rect();
        maler.fillRect(r.x(), r.y(), r.width(), kBreite, farbe_);
        maler.fillRect(r.x(), r.bottom() - kBreite + 1, r.width(), kBreite, farbe_);
        maler.fillRect(r.x(), r.y(), kBreite, r.height(), farbe_);
        maler.fillRect(r.right() - kBreite + 1, r.y(), kBreite, r.height(), farbe_);
    }

    bool eventFilter(QObject* beobachtet, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                if (beobachtet == ziel_) anpassen();
                break;
            default:
                break;
        }
        return QWidget::eventFilter(beobachtet, event);
    }

  private:
    void folge(QWidget* jetzt) {
        QWidget* neu =
            jetzt != nullptr && jetzt != window() && jetzt->window() == window() ? jetzt : nullptr;
        if (neu != ziel_) {
            if (ziel_) ziel_->removeEventFilter(this);
            ziel_ = neu;
            if (ziel_) ziel_->installEventFilter(this);
        }
        anpassen();
    }

    void anpassen() {
        if (!ziel_ || !ziel_->isVisible()) {
            hide();
            return;
        }
        constexpr int rand = kLuecke + kBreite;
        setGeometry(QRect(ziel_->mapTo(window(), QPoint(0, 0)), ziel_->size())
                        .adjusted(-rand, -rand, rand, rand));
        farbe_ = fokusFarbe(hintergrundUnter(ziel_));
        raise();
        show();
        update();
    }

    QPointer<QWidget> ziel_;
    QColor farbe_;
};

}  // namespace

QColor fokusFarbe(const QColor& hinten) {
    const QColor schwarz(Qt::black);
    const QColor weiss(Qt::white);
    return kontrast(schwarz, hinten) >= kontrast(weiss, hinten) ? schwarz : weiss;
}

QColor hintergrundUnter(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->autoFillBackground() || w->isWindow())
            return w->palette().color(w->backgroundRole());
    }
    return widget->palette().color(widget->backgroundRole());
}

void fokusRahmen(QWidget* fenster) {
    new FokusRing(fenster);
}

}  // namespace staffel::app
