#pragma once

// Helpers shared by the two inverse solvers (GegenLsg0, GegenLsg1). Engine-internal.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/model/engine_texte.h"
#include "engine/numbers/single_precision.h"

namespace staffel::solver {

// Bisection bound; the solvers compare in single precision.
inline constexpr float kGenauigkeit = 4e-15f;
// Largest relative deviation |f/b| that still counts as solving the equation.
inline constexpr float kLoesungsGenauigkeit = 4e-11f;

// Whether a deviation f = m(x) - b is small enough for x to be returned as a solution. Every
// value a solver returns passes this test, whichever way it was found.
inline bool erfuelltGleichung(double f, double b) noexcept {
    return std::fabs(f) <= double{kLoesungsGenauigkeit} * std::max(1.0, std::fabs(b));
}

inline int vorzeichen(double x) noexcept {
    return (x > 0) - (x < 0);
}

// The midpoint as the bisections form it; not finite when the bracket spans more than
// the double range.
inline double mitteVon(double a, double c) noexcept {
    return (c - a) / 2 + a;
}

// Which part of a bracket kept the sign change after a bisection step.
enum class Half { Lower, Upper, Root, None };

// A bisection bracket [a, c] with the deviations fa, fc at its ends.
struct Bracket {
    double a = 0, c = 0, fa = 0, fc = 0;

    // Keeps the half that still changes sign, given the deviation fm at mitte; a zero
    // deviation collapses the bracket onto mitte. None leaves the bracket unchanged.
    Half narrow(double mitte, double fm) noexcept {
        if (vorzeichen(fm) * vorzeichen(fa) < 0) {
            c = mitte;
            fc = fm;
            return Half::Lower;
        }
        if (vorzeichen(fc) * vorzeichen(fm) < 0) {
            a = mitte;
            fa = fm;
            return Half::Upper;
        }
        if (fm == 0) {
            a = c = mitte;
            fa = fc = fm;
            return Half::Root;
        }
        return Half::None;
    }
};

// The evaluations the follow-up search may spend after a search that took `aufwand`. With
// the trial that crosses the limit, a solve without a solution costs at most about three
// times what the search alone did; a tenth is left for that trial. A search whose loops were
// counted at once by their fixed point may have taken nearly the whole counter range: its
// budget saturates instead of overflowing.
inline std::int64_t nachsucheBudget(std::int64_t aufwand) noexcept {
    constexpr std::int64_t kGroesst = std::numeric_limits<std::int64_t>::max();
    return aufwand > kGroesst / 19 ? kGroesst : aufwand * 19 / 10;
}

}  // namespace staffel::solver
