#include "engine/graph/ueberlauf_skala.h"

#include <cmath>
#include <limits>

#include "engine/graph/skala.h"

namespace staffel::graph {

namespace {

// The rows of the closed forms this knows, by their number in the table.
enum Zeile : int { kAddition = 3, kMultiplikation = 4, kPotenzierung = 5, kHyperNull = 9 };

int vorzeichenVon(double x) {
    return x < 0 ? -1 : 1;
}

bool ungerade(double ganz) {
    return std::fmod(ganz, 2) != 0;
}

std::optional<UeberlaufLog> formel(int fall, double b, double e) {
    switch (fall) {
        case kAddition:
            // Halved first, so the sum stays a double.
            return UeberlaufLog{std::log10(std::abs(b / 2 + e / 2)) + std::log10(2.0),
                                vorzeichenVon(b)};
        case kMultiplikation:
            return UeberlaufLog{std::log10(std::abs(b)) + std::log10(std::abs(e)),
                                vorzeichenVon(b) * vorzeichenVon(e)};
        case kPotenzierung:
            // A negative base with a fractional exponent was refused before anything overflowed.
            return UeberlaufLog{e * std::log10(std::abs(b)), b < 0 && ungerade(e) ? -1 : 1};
        case kHyperNull:
            // b^(b^(e - 1)); a negative base has no logarithm here, and the wide calculation
            // decides its sign.
            return UeberlaufLog{std::pow(b, e - 1) * std::log10(b), 1};
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<UeberlaufLog> ueberlaufLog(int fall, double b, double e) {
    const std::optional<UeberlaufLog> l = formel(fall, b, e);
    // Only a logarithm beyond the largest double's stands for an overflow the wide
    // calculation would size; anything else (a zero base, a rounding at the border) it decides.
    if (!l || !std::isfinite(l->log10) ||
        !(l->log10 > std::log10(std::numeric_limits<double>::max()))) {
        return std::nullopt;
    }
    return l;
}

std::optional<double> ueberlaufInSkala(Skala skala, int fall, double b, double e) {
    if (skala == Skala::Wert) return std::nullopt;
    const std::optional<UeberlaufLog> l = ueberlaufLog(fall, b, e);
    if (!l) return std::nullopt;
    if (skala == Skala::Log10) return l->log10;
    // slog10(1 + |v|) = 1 + slog10(log10 |v|) once |v| is far beyond the doubles' digits.
    return l->vorzeichen * (1 + slog10(l->log10));
}

}  // namespace staffel::graph
