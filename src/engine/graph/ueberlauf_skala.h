#pragma once

#include <optional>

#include "engine/graph/graph_einstellungen.h"

// Where a closed form's result that overflowed the doubles lies in the log10 and height
// scales, from its formula in double: a drawing pass or werte() places hundreds of thousands
// of such results, and the wide calculation costs a tenth of a millisecond each. The size
// text (the readout, the answer) always comes from the wide calculation.
namespace staffel::graph {

// log10 |v| and the sign of the result v of closed form `fall` (its row number) at (b, e),
// when its double evaluation overflowed. nullopt where the formula has no cheap logarithm or
// the logarithm itself leaves the doubles or lands within them: the wide calculation decides.
struct UeberlaufLog {
    double log10 = 0;
    int vorzeichen = 1;
};
std::optional<UeberlaufLog> ueberlaufLog(int fall, double b, double e);

// That result in the scale, within a few units in the last place of the place its size gives;
// nullopt for the value scale or where ueberlaufLog has none.
std::optional<double> ueberlaufInSkala(Skala skala, int fall, double b, double e);

}  // namespace staffel::graph
