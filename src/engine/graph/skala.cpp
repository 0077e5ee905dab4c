#include "engine/graph/skala.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace staffel::graph {

namespace {

// The middle of the innermost exponent's interval: its ends agree far beyond a double's
// digits wherever the size text shows any.
double mitte(const Intervall& betrag) {
    return (mpfr_get_d(betrag.lo, MPFR_RNDN) + mpfr_get_d(betrag.hi, MPFR_RNDN)) / 2;
}

}  // namespace

double slog10(double x) {
    double stufen = 0;
    while (x > 1) {
        x = std::log10(x);
        ++stufen;
    }
    return stufen + x - 1;
}

double turmhoehe(double v) {
    const double h = slog10(1 + std::abs(v));
    return v < 0 ? -h : h;
}

std::optional<double> inSkala(Skala skala, double wert) {
    if (!std::isfinite(wert)) return std::nullopt;
    switch (skala) {
        case Skala::Wert:
            return wert;
        case Skala::Log10:
            if (wert == 0) return std::nullopt;
            return std::log10(std::abs(wert));
        case Skala::Hoehe:
            return turmhoehe(wert);
    }
    return std::nullopt;
}

std::optional<double> inSkala(Skala skala, const Stufenzahl& groesse) {
    const double innen = mitte(groesse.betrag);
    const double stufen = static_cast<double>(groesse.stufen);
    switch (skala) {
        case Skala::Wert:
            return std::nullopt;
        case Skala::Log10: {
            // log10 |v| = exp10^(stufen - 1)(innen): from the third level on it leaves the doubles.
            if (groesse.stufen == 0) return std::log10(std::abs(innen));
            if (groesse.stufen == 1) return innen;
            if (groesse.stufen == 2 && innen < std::numeric_limits<double>::max_exponent10) {
                return std::pow(10.0, innen);
            }
            return std::numeric_limits<double>::infinity();
        }
        case Skala::Hoehe: {
            // From 2^53 + 2 layers on the count is only a lower bound: above any frame.
            if (groesse.stufen > (std::uint64_t{1} << 53) + 1) {
                return groesse.vorzeichen < 0 ? -std::numeric_limits<double>::infinity()
                                              : std::numeric_limits<double>::infinity();
            }
            // slog10 peels one level per logarithm; 1 + |v| differs from |v| far below any
            // digit a double holds once |v| is beyond 10^308.
            const double h =
                groesse.stufen == 0 ? slog10(1 + std::abs(innen)) : stufen + slog10(innen);
            return groesse.vorzeichen < 0 ? -h : h;
        }
    }
    return std::nullopt;
}

}  // namespace staffel::graph
