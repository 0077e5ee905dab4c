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

// What the wide calculation went through, for the counters and the name.
struct WeiterWeg {
    int form = 0;  // the closed form of the outermost call, 0 when none answered it
    bool rekursion = false;
};

// m[n/d, A][b, e] on wide numbers: for a whole Rechenzahl as GroesseStufen, for a fractional
// one through its closed form only. nullopt where GroesseStufen gives none, and for a
// fractional Rechenzahl without a wide closed form.
OptStufenzahl WeitBerechnen(int n, int d, std::string_view A, const Stufenzahl& b,
                            const Stufenzahl& e, const ModulRA& modul, WeiterWeg* weg = nullptr);

// The text of a size: every digit shown is the correctly rounded digit of any number the
// interval holds; fewer digits when the interval is too wide for fifteen.
std::optional<std::string> GroesseText(const Stufenzahl& x);

// The size of a number below every positive double, from t = log10 |x| < -308: "1E-600"
// while |t| is below 10^15, beyond it "10^-" and the size of |t| ("10^-1.2E+602").
std::optional<std::string> KleinText(const Stufenzahl& log10Betrag);
// Whether a size text is one of KleinText's.
bool istKleinText(std::string_view groesse);

}  // namespace staffel
