#include "engine/size/grosse_zahl_lesen.h"

#include <cstdint>
#include <string>

namespace staffel {

namespace {

constexpr std::string_view kZehnHoch = "10^";
constexpr std::string_view kSchichten = "(10^)^";
// Below this many exponent digits the E part is a whole number a double holds exactly.
constexpr std::size_t kKurzerExponent = 15;
// Up to this exponent m · 10^E is computed directly, so that small inner numbers ("100" in
// "10^10^100") stay exact.
constexpr long kDirekterExponent = 60;

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

// A number read from the text, and whether it is known to be a whole number of at least 1.
struct Gelesen {
    Stufenzahl wert;
    bool ganzAbEins = false;
    bool zehnerform = false;  // a "10^" layer was read
};

class Leser {
  public:
    explicit Leser(std::string_view text) : text_(text) {}

    std::optional<Gelesen> zahl() {
        const bool negativ = vorzeichen();
        std::optional<Gelesen> z = ohneVorzeichen();
        if (z && negativ) z->wert = negiert(std::move(z->wert));
        return z;
    }

  private:
    std::string_view text_;
    std::size_t i_ = 0;

    void leer() {
        while (i_ < text_.size() && text_[i_] == ' ') ++i_;
    }
    bool folgt(std::string_view wort) {
        leer();
        if (!text_.substr(i_).starts_with(wort)) return false;
        i_ += wort.size();
        return true;
    }
    bool vorzeichen() {
        if (folgt("-")) return true;
        folgt("+");
        return false;
    }
    std::string ziffern() {
        std::string z;
        for (leer(); i_ < text_.size() && istZiffer(text_[i_]); leer()) z.push_back(text_[i_++]);
        return z;
    }

    std::optional<Gelesen> ohneVorzeichen() {
        const std::size_t anfang = i_;
        if (folgt(kZehnHoch)) {
            std::optional<Gelesen> innen = zahl();
            if (innen) return zehnHoch(*innen, 1);
            i_ = anfang;
        }
        if (folgt(kSchichten)) return schichten();
        return eZahl();
    }

    // "(10^)^k " and its number: k ends at the first character that is not a digit.
    std::optional<Gelesen> schichten() {
        leer();
        std::uint64_t k = 0;
        bool ziffer = false;
        for (; i_ < text_.size() && istZiffer(text_[i_]); ++i_) {
            ziffer = true;
            const auto stelle = static_cast<std::uint64_t>(text_[i_] - '0');
            k = k > (kStufenGrenze - stelle) / 10 ? kStufenGrenze : k * 10 + stelle;
        }
        if (!ziffer) return std::nullopt;
        const std::optional<Gelesen> innen = zahl();
        if (!innen) return std::nullopt;
        return zehnHoch(*innen, k);
    }

    static std::optional<Gelesen> zehnHoch(Gelesen x, std::uint64_t k) {
        x.zehnerform = true;
        // 10^y for a whole y >= 1 is a whole number, even, and at least 10.
        const bool gerade = x.ganzAbEins;
        for (; k > 0 && x.wert.stufen == 0; --k) {
            OptStufenzahl hoch = staffel::zehnHoch(x.wert);
            if (!hoch) return std::nullopt;
            x.wert = std::move(*hoch);
        }
        // From level 1 on each further 10^ is one more layer of the same innermost exponent.
        x.wert.stufen = k > kStufenGrenze - x.wert.stufen ? kStufenGrenze : x.wert.stufen + k;
        x.wert.gerade = gerade;
        return x;
    }

    // digits, ".", digits, and an E part with its sign and digits when it has digits.
    std::optional<Gelesen> eZahl() {
        const std::string ganz = ziffern();
        std::string bruch;
        if (folgt(".")) bruch = ziffern();
        if (ganz.empty() && bruch.empty()) return std::nullopt;
        std::string exponent;
        bool exponentNegativ = false;
        const std::size_t vorE = i_;
        if (folgt("E") || folgt("e")) {
            exponentNegativ = vorzeichen();
            exponent = ziffern();
            if (exponent.empty()) i_ = vorE;
        }
        return eWert(ganz + "." + bruch, bruch.size(), exponent, exponentNegativ);
    }

    static std::optional<Gelesen> eWert(const std::string& mantisse, std::size_t bruchStellen,
                                        const std::string& exponent, bool exponentNegativ) {
        Intervall m;
        mpfr_set_str(m.lo, mantisse.c_str(), 10, MPFR_RNDD);
        mpfr_set_str(m.hi, mantisse.c_str(), 10, MPFR_RNDU);
        if (mpfr_zero_p(m.hi)) return Gelesen{};
        const std::size_t erste = exponent.find_first_not_of('0');
        const std::string e = erste == std::string::npos ? "0" : exponent.substr(erste);
        OptStufenzahl wert;
        long kurz = 0;
        if (e.size() <= kKurzerExponent) kurz = std::stol(e) * (exponentNegativ ? -1 : 1);
        if (e.size() <= kKurzerExponent && kurz >= -kDirekterExponent &&
            kurz <= kDirekterExponent) {
            Intervall zehn;
            mpfr_ui_pow_ui(zehn.lo, 10, static_cast<unsigned long>(kurz < 0 ? -kurz : kurz),
                           MPFR_RNDD);
            mpfr_ui_pow_ui(zehn.hi, 10, static_cast<unsigned long>(kurz < 0 ? -kurz : kurz),
                           MPFR_RNDU);
            if (kurz < 0) {
                mpfr_div(m.lo, m.lo, zehn.hi, MPFR_RNDD);
                mpfr_div(m.hi, m.hi, zehn.lo, MPFR_RNDU);
            } else {
                mpfr_mul(m.lo, m.lo, zehn.lo, MPFR_RNDD);
                mpfr_mul(m.hi, m.hi, zehn.hi, MPFR_RNDU);
            }
            wert = alsStufenzahl(std::move(m));
        } else {
            // 10^(log10 m + E), E as a wide number of its own.
            Intervall hoch;
            mpfr_set_str(hoch.lo, e.c_str(), 10, MPFR_RNDD);
            mpfr_set_str(hoch.hi, e.c_str(), 10, MPFR_RNDU);
            OptStufenzahl ex = alsStufenzahl(std::move(hoch));
            OptStufenzahl mw = alsStufenzahl(std::move(m));
            if (!ex || !mw) return std::nullopt;
            if (exponentNegativ) ex = negiert(std::move(*ex));
            const OptStufenzahl lm = log10Von(*mw);
            if (!lm) return std::nullopt;
            const OptStufenzahl t = summe(*lm, *ex);
            if (!t) return std::nullopt;
            wert = staffel::zehnHoch(*t);
        }
        if (!wert) return std::nullopt;
        Gelesen g{std::move(*wert)};
        // m · 10^E with E beyond m's fraction digits is a whole multiple of 10.
        const bool ganzerExponent = !exponentNegativ && e.size() <= kKurzerExponent;
        const bool vielfachesVonZehn =
            !exponentNegativ && (!ganzerExponent || kurz > static_cast<long>(bruchStellen));
        g.ganzAbEins = g.wert.vorzeichen > 0 &&
                       (vielfachesVonZehn ||
                        (mpfr_integer_p(g.wert.betrag.lo) &&
                         mpfr_equal_p(g.wert.betrag.lo, g.wert.betrag.hi) && g.wert.stufen == 0));
        if (vielfachesVonZehn) g.wert.gerade = true;
        return g;
    }
};

}  // namespace

WeiteLesung WeitLesen(std::string_view text) {
    WeiteLesung lesung;
    const std::optional<Gelesen> z = Leser(text).zahl();
    if (!z || z->wert.vorzeichen == 0) return lesung;
    lesung.negativ = z->wert.vorzeichen < 0;
    if (jenseitsDerDoubles(z->wert)) {
        lesung.gross = z->wert;
    } else if (z->zehnerform && alsDouble(z->wert) == 0.0) {
        lesung.winzig = true;
    }
    return lesung;
}

}  // namespace staffel
