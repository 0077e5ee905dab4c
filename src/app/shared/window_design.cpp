#include "app/shared/window_design.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace staffel::app {

namespace {

// A locked field must stay readable (WCAG's 4.5:1 for body text): the style's grey text on the
// designed light backgrounds falls to about 1.1:1. The text fades only as far towards the
// background as that contrast allows, so a locked field still looks locked.
constexpr double kMindestKontrast = 4.5;

double luminanz(const QColor& farbe) {
    const auto kanal = [](double wert) {
        return wert <= 0.04045 ? wert / 12.92 : std::pow((wert + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(farbe.redF()) + 0.7152 * kanal(farbe.greenF()) +
           0.0722 * kanal(farbe.blueF());
}

QColor mische(const QColor& von, const QColor& zu, double anteil) {
    const auto kanal = [anteil](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * anteil));
    };
    return {kanal(von.red(), zu.red()), kanal(von.green(), zu.green()),
            kanal(von.blue(), zu.blue())};
}

void gesperrtLesbar(QPalette& palette) {
    const QColor text = palette.color(QPalette::Active, QPalette::Text);
    const QColor hinten = palette.color(QPalette::Active, QPalette::Base);
    QColor gesperrt = text;
    for (const double anteil : {0.25, 0.125}) {
        const QColor blasser = mische(text, hinten, anteil);
        if (kontrast(blasser, hinten) >= kMindestKontrast) {
            gesperrt = blasser;
            break;
        }
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, gesperrt);
}

}  // namespace

double kontrast(const QColor& a, const QColor& b) {
    const double la = luminanz(a);
    const double lb = luminanz(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QFont designFont(double pointSize, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    if (pointSize > 0) font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

void setBackColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    if (qobject_cast<QLineEdit*>(widget) != nullptr) {
        palette.setColor(QPalette::Base, colour);
        gesperrtLesbar(palette);
    } else {
        palette.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void streicheDurch(QWidget* widget, bool veraltet) {
    QFont schrift = widget->font();
    schrift.setStrikeOut(veraltet);
    widget->setFont(schrift);
}

void setForeColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    const QPalette::ColorRole role =
        qobject_cast<QLineEdit*>(widget) != nullptr ? QPalette::Text : QPalette::WindowText;
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
    if (role == QPalette::Text) gesperrtLesbar(palette);
    widget->setPalette(palette);
}

QColor backColour(const QWidget* widget) {
    const bool field = qobject_cast<const QLineEdit*>(widget) != nullptr;
    return widget->palette().color(QPalette::Active, field ? QPalette::Base : QPalette::Window);
}

QColor foreColour(const QWidget* widget) {
    const bool field = qobject_cast<const QLineEdit*>(widget) != nullptr;
    return widget->palette().color(QPalette::Active, field ? QPalette::Text : QPalette::WindowText);
}

void bringeNachVorne(QWidget* fenster) {
    if (fenster->isMinimized()) {
        fenster->showNormal();
    } else {
        fenster->show();
    }
    fenster->raise();
    fenster->activateWindow();
}

}  // namespace staffel::app
