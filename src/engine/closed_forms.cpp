#include <cmath>

#include "engine/modul_ra.h"

namespace staffel {

// Placeholder until the closed forms land: no operation has one.
double ModulRA::NARechart(Int16, Int16, double, double, std::string_view) {
    ZaehlerNA.bump();
    NAGefunden = 0;
    return 0;
}

double LogBasis(double x, double y) { return std::log(x) / std::log(y); }

}  // namespace staffel
