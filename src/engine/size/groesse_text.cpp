#include <cstdint>
#include <string>
#include <string_view>

#include "engine/size/groesse.h"

namespace staffel {

namespace {

constexpr int kStellen = 15;
constexpr std::uint64_t kLesbareSchichten = std::uint64_t{1} << 53;
constexpr int kSchichtenAusgeschrieben = 3;  // "10^10^10^" still, then "(10^)^k "

struct MpfrText {
    explicit MpfrText(char* text) : text_(text) {}
    ~MpfrText() { mpfr_free_str(text_); }
    MpfrText(const MpfrText&) = delete;
    MpfrText& operator=(const MpfrText&) = delete;
    char* text_;
};

// 10^x with `stellen` significant digits, correctly rounded from the wide float 10^x that
// the rounding direction gives, e.g. "2.00352993040685E+19728".
std::string zehnHoch(const mpfr_t x, int stellen, mpfr_rnd_t richtung) {
    Intervall teile;  // lo: the whole part of x, hi: 10^(fraction)
    mpfr_floor(teile.lo, x);
    mpfr_sub(teile.hi, x, teile.lo, MPFR_RNDN);  // exact: x's bits below the point
    mpfr_exp10(teile.hi, teile.hi, richtung);
    mpfr_exp_t stelle = 0;
    const MpfrText ziffern(
        mpfr_get_str(nullptr, &stelle, 10, static_cast<std::size_t>(stellen), teile.hi, MPFR_RNDN));
    std::string mantisse(ziffern.text_);
    while (mantisse.size() > 1 && mantisse.back() == '0') mantisse.pop_back();
    if (mantisse.size() > 1) mantisse.insert(1, 1, '.');
    // 10^(fraction) lies in [1, 10): its first digit stands just before the point, or it
    // rounded up to 10.
    const long exponent = mpfr_get_si(teile.lo, MPFR_RNDN) + static_cast<long>(stelle) - 1;
    return mantisse + (exponent < 0 ? "E-" : "E+") +
           std::to_string(exponent < 0 ? -exponent : exponent);
}

std::string praefix(std::uint64_t schichten) {
    if (schichten > kSchichtenAusgeschrieben) return "(10^)^" + std::to_string(schichten) + " ";
    std::string text;
    for (std::uint64_t i = 0; i < schichten; ++i) text += "10^";
    return text;
}

}  // namespace

std::optional<std::string> GroesseText(const Stufenzahl& x) {
    // Below 10^15 a number is no size beyond 10^308: a recursion whose pass count left
    // 32 bits may also settle on a small value.
    if (x.vorzeichen == 0 || x.stufen == 0) return std::nullopt;
    const Intervall& exponent = x.betrag;  // log10 of the innermost number shown
    const std::uint64_t schichten = x.stufen - 1;
    if (mpfr_cmp_d(exponent.hi, 1e15) >= 0) return std::nullopt;  // its level is not settled
    const std::string vorzeichen = x.vorzeichen < 0 ? "-" : "";
    if (schichten > kLesbareSchichten) {
        return vorzeichen + "mehr als (10^)^" + std::to_string(kLesbareSchichten);
    }
    for (int stellen = kStellen; stellen > 0; --stellen) {
        const std::string unten = zehnHoch(exponent.lo, stellen, MPFR_RNDD);
        if (unten == zehnHoch(exponent.hi, stellen, MPFR_RNDU)) {
            return vorzeichen + praefix(schichten) + unten;
        }
    }
    return std::nullopt;
}

std::optional<std::string> KleinText(const Stufenzahl& log10Betrag) {
    const std::optional<bool> negativ = istNegativ(log10Betrag);
    if (!negativ || !*negativ) return std::nullopt;
    if (log10Betrag.stufen > 0) {
        const std::optional<std::string> innen = GroesseText(negiert(log10Betrag));
        if (!innen) return std::nullopt;
        return "10^-" + *innen;
    }
    Intervall t = log10Betrag.betrag;  // -t, as the interval of |t|
    mpfr_neg(t.lo, log10Betrag.betrag.hi, MPFR_RNDN);
    mpfr_neg(t.hi, log10Betrag.betrag.lo, MPFR_RNDN);
    for (int stellen = kStellen; stellen > 0; --stellen) {
        const std::string unten = zehnHoch(t.lo, stellen, MPFR_RNDD);
        if (unten == zehnHoch(t.hi, stellen, MPFR_RNDU)) return unten;
    }
    return std::nullopt;
}

bool istKleinText(std::string_view groesse) {
    return groesse.find("E-") != groesse.npos || groesse.find("^-") != groesse.npos;
}

}  // namespace staffel
