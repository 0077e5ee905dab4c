#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/modul_ra.h"
#include "engine/size/stufenzahl.h"

namespace staffel {

// The size of m[n, A][b, e] for a whole n >= 3, the calculation redone on wide numbers
// (closed forms of 3, 4, 5 and m[6, 0], the rules and the recursion above them), as text:
// "2.00352993040685E+19728", "10^1E+399", "(10^)^4 1.2E+34". nullopt when the wide
// calculation leaves what it covers (a non-whole or negative exponent in the recursion, a
// domain error, an interval too wide to decide) or when a halt is requested meanwhile.
std::optional<std::string> GroesseBerechnen(int n, std::string_view A, double b, double e,
                                            const ModulRA& modul);

// The same size as a number, for drawing it.
OptStufenzahl GroesseStufen(int n, std::string_view A, double b, double e, const ModulRA& modul);

// The text of a size: every digit shown is the correctly rounded digit of any number the
// interval holds; fewer digits when the interval is too wide for fifteen.
std::optional<std::string> GroesseText(const Stufenzahl& x);

}  // namespace staffel
