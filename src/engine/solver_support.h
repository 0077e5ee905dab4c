#pragma once

// Helpers shared by the two inverse solvers (GegenLsg0, GegenLsg1). Engine-internal.

#include <cfloat>
#include <cmath>
#include <limits>
#include <string_view>

namespace staffel::solver {

// Bisection bound; the solvers compare in single precision.
inline constexpr float kGenauigkeit = 4e-15f;
// Largest relative deviation |f/b| that still counts as solving the equation.
inline constexpr float kLoesungsGenauigkeit = 4e-11f;

inline constexpr std::string_view kKeineLoesung = " keine Lösung!    (IV)";
inline constexpr std::string_view kNichtDefiniert = "nicht definiert (IV)";
inline constexpr std::string_view kKeinVorzeichenwechsel =
    " Kein Vorzeichenwechsel für die Lösung der Gegenrechenart gefunden!";

inline int vorzeichen(double x) noexcept {
    return (x > 0) - (x < 0);
}

// Rounds to single precision. Magnitudes beyond the float range become infinite instead
// of being undefined behaviour, which keeps every comparison against a small bound sound.
inline float einfach(double x) noexcept {
    if (std::isnan(x)) return std::numeric_limits<float>::quiet_NaN();
    if (x > FLT_MAX) return std::numeric_limits<float>::infinity();
    if (x < -FLT_MAX) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

// The midpoint as the bisections form it; not finite when the bracket spans more than
// the double range.
inline double mitteVon(double a, double c) noexcept {
    return (c - a) / 2 + a;
}

}  // namespace staffel::solver
