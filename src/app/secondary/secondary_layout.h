#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include "app/shared/window_design.h"

class QLabel;
class QPushButton;
class QWidget;

namespace staffel::app::layout {

using app::twipsRect;

// Names, titles and places a fixed-size secondary window by its client rectangle.
void setupWindow(QWidget* window, const char* name, const QString& title, const QRect& client,
                 const QColor& background);

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QRect& geometry);

struct LabelDef {
    const char* name;
    QString text;
    QRect twips;
    QColor background;
    QFont font;
    bool border = false;
    bool centred = false;
};
QLabel* makeLabel(QWidget* parent, const LabelDef& def);

}  // namespace staffel::app::layout
