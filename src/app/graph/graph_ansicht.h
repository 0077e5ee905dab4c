#pragma once

#include <vector>

#include "engine/graph/graph_einstellungen.h"
#include "engine/graph/graph_pass.h"

// The part of the plane the graph shows, and how the wheel, a drag and the keys move it. The
// view is the settings' four bounds; the drawing's frame spans it, the y bounds in the scale
// chosen.
namespace staffel::app {

struct Bereich {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
    bool operator==(const Bereich&) const = default;
};

Bereich bereichVon(const GraphEinstellungen& g);
void setzeBereich(GraphEinstellungen& g, const Bereich& b);

// Whether the drawing pass can sample and draw it: finite bounds of single precision that
// differ in either direction.
bool zeichenbar(const Bereich& b);

// The view scaled about the point at (fx, fy), given as fractions of the frame (0 at its left
// and bottom edge, 1 at its right and top): that point keeps its place, and a factor below 1
// shows less of that axis, larger.
Bereich zoomen(const Bereich& b, double fx, double fy, double faktorX, double faktorY);

// The bounds rounded to a thousandth of the range's width or finer (a power of ten), so the
// labels of a view reached by the pointer stay short; the picture moves by a thousandth of the
// frame at most.
Bereich gerundet(const Bereich& b);

// The view that lets the picture follow a drag of (dx, dy) pixels, y downwards, on a drawing of
// breite x hoehe pixels.
Bereich verschieben(const Bereich& b, double dx, double dy, double breite, double hoehe);

// A pixel of a drawing of breite x hoehe as fractions of the frame.
double rahmenAnteilX(double px, double breite);
double rahmenAnteilY(double py, double hoehe);

// Logical coordinates of x and of a y in the scale, in the view.
double logischX(const Bereich& b, double x);
double logischY(const Bereich& b, double y);

// The dots of the view alt where they lie in the view neu; those that leave the frame go.
std::vector<graph::Punkt> umbilden(const std::vector<graph::Punkt>& punkte, const Bereich& alt,
                                   const Bereich& neu);

}  // namespace staffel::app
