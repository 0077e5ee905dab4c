#pragma once

#include <string_view>

#include "engine/numbers/int16.h"

namespace staffel {

// The number (1 to 33) of the first closed form whose Rechenzahl and Auflösungszahl
// test hold for R = n / d and A, or 0 when none does.
int closedFormCase(Int16 n, Int16 d, std::string_view A) noexcept;

// The same for R = n / 1. The recursion asks for whole Rechenzahlen all the time, and
// for them the search has a known answer: 1 to 5 are the first alternatives and take
// any A, 6 is whole only in case 9, and no other constant is whole.
inline int wholeClosedFormCase(Int16 n, std::string_view A) noexcept {
    if (n >= 1 && n <= 5) return n;
    return n == 6 && A == "0" ? 9 : 0;
}

}  // namespace staffel
