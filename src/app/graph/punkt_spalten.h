#pragma once

#include <QLineF>
#include <QPointF>
#include <QSize>
#include <span>
#include <vector>

namespace staffel::app {

// Dots beyond this many per pixel column of the drawing are drawn as strokes.
inline constexpr int kPunkteJeSpalte = 4;

// Many dots drawn as one vertical stroke per run of occupied pixels in each column: the same
// picture at a cost bound by the drawing's pixels rather than by the number of dots, so a pass
// of 300 000 samples repaints as fast as one of a thousand. Dots outside the drawing are left
// out; a run of one pixel is a stroke of length 0, which a round cap draws as the dot.
std::vector<QLineF> spaltenStriche(std::span<const QPointF> lagen, const QSize& flaeche);

}  // namespace staffel::app
