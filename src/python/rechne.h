#pragma once

#include <chrono>
#include <string>

#include "python/rechnung.h"

namespace staffel::python {

// halt_nach in seconds as the command line's --halt-after reads it: 0 for no limit, at most
// 10^6; ValueError otherwise.
std::chrono::milliseconds haltZeit(double sekunden);

// staffelrechner.rechne: the command line's answer to the four texts.
Rechnung rechne(const std::string& rechenart, const std::string& aufzahl, const std::string& basis,
                const std::string& exponent, bool grenzwert, double haltNach);

}  // namespace staffel::python
