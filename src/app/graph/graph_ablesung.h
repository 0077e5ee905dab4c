#pragma once

#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/graph/graph_ansicht.h"
#include "engine/graph/graph_pass.h"

// The readout of one sample: which sample the pointer or the keyboard cursor is on, and what
// is said of it. Its numbers are the samples' own, never read back from the picture.
namespace staffel::app {

// How far from the pointer a sample is still read, in pixels.
inline constexpr double kAblesungsRadius = 8;

// Where the sample's dot lies on a drawing of that size, or nullopt where it has none in the
// frame (undefined, or beyond the frame's bottom or top).
std::optional<QPointF> probenLage(const graph::Probe& probe, const Bereich& b, QSizeF groesse);

// The sample nearest to the pointer whose dot lies within the radius; where there is none, a
// sample without a dot whose column is that near, so a gap can be read too. nullopt where no
// sample is that near.
std::optional<std::size_t> naechsteProbe(const std::vector<graph::Probe>& proben, const Bereich& b,
                                         QSizeF groesse, QPointF zeiger,
                                         double radius = kAblesungsRadius);

// The sample after (schritt 1) or before (schritt -1) the one at index von in the order of x,
// the first or the last without von; nullopt past either end. Samples of the same x follow in
// the order they were taken.
std::optional<std::size_t> naechsteInX(const std::vector<graph::Probe>& proben,
                                       std::optional<std::size_t> von, int schritt);

// The lines of the readout: x, the result as the main window writes it (or that it has none),
// the size of a result beyond 10^308 (or that it is not known), and whether it is valid.
QStringList ablesungZeilen(const graph::Probe& probe, const std::optional<std::string>& groesse);

}  // namespace staffel::app
