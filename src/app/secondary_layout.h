#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace staffel::app::layout {

// Positions and sizes of the secondary windows are given in twips; at the usual 96 dpi a
// pixel is 15 twips.
constexpr int twips(int t) {
    return (t + 7) / 15;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

QFont sansSerif(double pointSize, bool bold);
QFont arial(double pointSize, bool bold);
void setBackground(QWidget* widget, const QColor& colour);

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
