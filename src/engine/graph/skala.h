#pragma once

#include <optional>

#include "engine/graph/graph_einstellungen.h"
#include "engine/size/stufenzahl.h"

// The graph's y scales. "Wert" draws the value itself; the other two follow a result past
// 10^308 by its size, so a graph goes on where the doubles end.
namespace staffel::graph {

// The super-logarithm to base 10 in its linear form: x - 1 on (0, 1], 1 + slog10(log10 x)
// above; continuous and increasing, and a tower of k tens has k. Defined for x > 0.
double slog10(double x);

// sign(v) · slog10(1 + |v|): 0 at 0, continuous, and odd, so negative values mirror.
double turmhoehe(double v);

// A value within the doubles in the scale; nullopt where the scale has no place for it (0 on
// the logarithmic scale) or it is not finite.
std::optional<double> inSkala(Skala skala, double wert);

// A result beyond 10^308 given by its size, in the logarithmic or the height scale (the
// value scale has no place for it). A logarithm beyond the doubles, or a height whose layer
// count is only known to be large, is infinite: above (or below) any frame. nullopt for the
// value scale.
std::optional<double> inSkala(Skala skala, const Stufenzahl& groesse);

}  // namespace staffel::graph
