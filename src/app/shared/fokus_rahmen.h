#pragma once

#include <QColor>

class QWidget;

namespace staffel::app {

// The ring's colour on a background: black or white, whichever stands out more, which is at
// least 4.58:1 (the square root of 21) on any colour.
QColor fokusFarbe(const QColor& hinten);

// The colour around a widget: that of the nearest enclosing widget that paints its background,
// or of its window.
QColor hintergrundUnter(const QWidget* widget);

// Draws a ring around whichever widget of fenster has the keyboard focus, in the fokusFarbe of
// what it sits on. The style's own focus marks are drawn in its highlight colour, which fades
// into several of the designed backgrounds.
void fokusRahmen(QWidget* fenster);

}  // namespace staffel::app
