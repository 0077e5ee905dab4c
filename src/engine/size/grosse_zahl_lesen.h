#pragma once

#include <string_view>

#include "engine/size/stufenzahl.h"

namespace staffel {

// A Basis or Exponent text in a form beyond the double range, as the size line writes it:
// an E-number ("1E400", "1.25801429062749E+3638334640024"), "10^" before such a text
// (repeatable: "10^10^100") or "(10^)^k " before one, each with an optional sign; blanks are
// ignored except the one that ends k, a comma must already be a point, and reading stops at
// the first other character.
struct WeiteLesung {
    // The number, when the text is such a form and its value lies beyond the doubles.
    OptStufenzahl gross;
    // A "10^" form whose value lies below every positive double: it reads as 0, as a
    // too small E-number does.
    bool winzig = false;
    bool negativ = false;
};
WeiteLesung WeitLesen(std::string_view text);

}  // namespace staffel
