#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

class QWidget;

namespace staffel::app {

// Positions and sizes of every window are designed in twips; the windows show them at 15
// twips per logical pixel and leave high-DPI scaling to Qt.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}
inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

// The designed sans-serif faces (MS Sans Serif, Arial) replaced by a free metric-compatible
// face, so captions stay inside the controls they were laid out for. A size of 0 keeps the
// default size.
QFont designFont(double pointSize, bool bold);

// Back and fore colours of labels, pictures, frames, windows and text fields (the palette
// role differs for text fields). A text field's text stays readable while it is disabled.
void setBackColour(QWidget* widget, const QColor& colour);
void setForeColour(QWidget* widget, const QColor& colour);
QColor backColour(const QWidget* widget);
QColor foreColour(const QWidget* widget);

// Struck through while the text belongs to an earlier calculation: still readable, plainly
// no longer the answer.
void streicheDurch(QWidget* widget, bool veraltet);

// The contrast ratio of two colours as WCAG defines it, from 1 to 21.
double kontrast(const QColor& a, const QColor& b);

// Shows a non-modal window, restored if minimised, in front of the others.
void bringeNachVorne(QWidget* fenster);

}  // namespace staffel::app
