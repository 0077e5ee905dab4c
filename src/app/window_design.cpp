#include "app/window_design.h"

#include <QLineEdit>
#include <QPalette>
#include <QWidget>

namespace staffel::app {

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
    } else {
        palette.setColor(QPalette::Window, colour);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(palette);
}

void setForeColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    const QPalette::ColorRole role =
        qobject_cast<QLineEdit*>(widget) != nullptr ? QPalette::Text : QPalette::WindowText;
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
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
