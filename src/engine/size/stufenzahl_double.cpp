#include <cmath>
#include <limits>

#include "engine/numbers/number_text.h"
#include "engine/size/stufenzahl.h"

namespace staffel {

namespace {

constexpr double kGroessterDouble = std::numeric_limits<double>::max();

// |x| as one wide interval, for a number on level 0 or 1 whose exponent stays near the
// doubles; false when it lies far beyond them.
bool betragEbenerdig(const Stufenzahl& x, Intervall& betrag) {
    if (x.stufen == 0) {
        betrag = x.betrag;
        return true;
    }
    if (x.stufen > 1 || mpfr_cmp_ui(x.betrag.hi, 400) > 0) return false;
    mpfr_exp10(betrag.lo, x.betrag.lo, MPFR_RNDD);
    mpfr_exp10(betrag.hi, x.betrag.hi, MPFR_RNDU);
    return true;
}

}  // namespace

bool jenseitsDerDoubles(const Stufenzahl& x) {
    if (x.vorzeichen == 0) return false;
    Intervall betrag;
    if (!betragEbenerdig(x, betrag)) return true;
    return mpfr_cmp_d(betrag.lo, kGroessterDouble) > 0;
}

std::optional<double> alsDouble(const Stufenzahl& x) {
    if (x.vorzeichen == 0) return 0.0;
    Intervall betrag;
    if (!betragEbenerdig(x, betrag)) return std::nullopt;
    const double lo = mpfr_get_d(betrag.lo, MPFR_RNDN);
    const double hi = mpfr_get_d(betrag.hi, MPFR_RNDN);
    if (!std::isfinite(hi) || hi > kGroessterDouble) return std::nullopt;
    if (lo != hi && ZahlText(lo) != ZahlText(hi)) return std::nullopt;
    return x.vorzeichen < 0 ? -lo : lo;
}

}  // namespace staffel
