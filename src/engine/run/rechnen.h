#pragma once

#include <string>
#include <string_view>

#include "engine/model/engine_texte.h"
#include "engine/size/stufenzahl.h"

namespace staffel {

namespace texte {
// What the Exponent field shows while the limit e -> +-oo is calculated.
inline constexpr std::string_view Unendlich = deutsch(TextId::Unendlich);
}  // namespace texte

// The result label text for the engine's Ergebnis and Meldung.
std::string FormatErgebnis(double ergebnis, const std::string& meldung);

// The values of the Basis and Exponent texts, whose first comma is already a point. A text
// beyond the double range in a form the size line writes is read as a wide number; any
// other out-of-range text is refused.
struct Werte {
    double basis = 0;
    double exponent = 0;
    bool ausserhalb = false;
    OptStufenzahl basisWeit;
    OptStufenzahl exponentWeit;
    bool weit() const { return basisWeit || exponentWeit; }
};
Werte WerteLesen(std::string_view basisText, std::string_view exponentText);

}  // namespace staffel
