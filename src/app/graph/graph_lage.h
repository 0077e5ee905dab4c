#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace staffel::app {

// Where the graph window opens, all in screen coordinates: haupt is the main window's frame,
// eingaben the part of it that holds the input fields, graph the graph window's frame size and
// bildschirm the screen's free area. It goes right of, left of or below the main window, on
// the screen: first where it covers the input fields least, then the main window least, then
// on the side with the most free space. Returns its frame's top-left corner.
QPoint grafLage(const QRect& haupt, const QRect& eingaben, QSize graph, const QRect& bildschirm);

// Moves the graph window, not yet shown, by grafLage beside haupt, the main window.
void stelleNebenHaupt(QWidget* graph, const QWidget* haupt);

}  // namespace staffel::app
