#include "engine/size/stufenzahl.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace staffel {

namespace {

constexpr double kUntereStufe = 15;   // betrag below this moves one level down
constexpr double kObereStufe = 1e15;  // betrag from this on moves one level up
constexpr double kKleinsterBetrag = 10;

std::uint64_t stufenPlus(std::uint64_t a, std::uint64_t b) {
    return a >= kStufenGrenze || b >= kStufenGrenze - a ? kStufenGrenze : a + b;
}

bool endlich(const Intervall& x) {
    return mpfr_number_p(x.lo) != 0 && mpfr_number_p(x.hi) != 0;
}

void log10Intervall(Intervall& x) {
    mpfr_log10(x.lo, x.lo, MPFR_RNDD);
    mpfr_log10(x.hi, x.hi, MPFR_RNDU);
}

void exp10Intervall(Intervall& x) {
    mpfr_exp10(x.lo, x.lo, MPFR_RNDD);
    mpfr_exp10(x.hi, x.hi, MPFR_RNDU);
}

void negieren(Intervall& x) {
    mpfr_swap(x.lo, x.hi);
    mpfr_neg(x.lo, x.lo, MPFR_RNDN);  // exact
    mpfr_neg(x.hi, x.hi, MPFR_RNDN);
}

Stufenzahl null() {
    return {};
}

Stufenzahl eins() {
    return alsStufenzahl(1);
}

// A whole number known exactly stays on level 0 while it fits the wide float, so that it can
// still count the passes of a recursion (10^15, 3^27 · 2^40).
bool ganzUndExakt(const Stufenzahl& x) {
    return x.stufen == 0 && mpfr_equal_p(x.betrag.lo, x.betrag.hi) && mpfr_integer_p(x.betrag.lo) &&
           mpfr_cmp_ui_2exp(x.betrag.lo, 1, 200) < 0;
}

OptStufenzahl normiert(Stufenzahl x) {
    if (x.vorzeichen == 0) return x;
    if (!endlich(x.betrag)) return std::nullopt;
    while (x.stufen > 0 && x.stufen < kStufenGrenze && mpfr_cmp_d(x.betrag.hi, kUntereStufe) < 0) {
        exp10Intervall(x.betrag);
        --x.stufen;
    }
    while (mpfr_cmp_d(x.betrag.lo, kObereStufe) >= 0 && !ganzUndExakt(x)) {
        log10Intervall(x.betrag);
        x.stufen = stufenPlus(x.stufen, 1);
    }
    if (!endlich(x.betrag)) return std::nullopt;
    if (x.stufen > 0 && mpfr_cmp_d(x.betrag.lo, kKleinsterBetrag) < 0) return std::nullopt;
    return x;
}

// The signed interval of a number on level 0.
Intervall mitVorzeichen(const Stufenzahl& x) {
    Intervall s = x.betrag;
    if (x.vorzeichen < 0) negieren(s);
    return s;
}

OptStufenzahl ausIntervall(Intervall s) {
    Stufenzahl x;
    const int lo = mpfr_sgn(s.lo);
    const int hi = mpfr_sgn(s.hi);
    if (lo == 0 && hi == 0) return null();
    if (lo < 0 && hi > 0) return std::nullopt;
    x.vorzeichen = hi > 0 ? 1 : -1;
    if (x.vorzeichen < 0) negieren(s);
    x.betrag = std::move(s);
    return normiert(std::move(x));
}

// log10 |x| for x != 0.
OptStufenzahl log10Betrag(const Stufenzahl& x) {
    if (x.stufen > 0) {
        Stufenzahl l{1, x.stufen >= kStufenGrenze ? x.stufen : x.stufen - 1, x.betrag};
        return normiert(std::move(l));
    }
    if (mpfr_sgn(x.betrag.lo) <= 0) return std::nullopt;
    Intervall l = x.betrag;
    log10Intervall(l);
    return ausIntervall(std::move(l));
}

OptStufenzahl exp10(const OptStufenzahl& t) {
    if (!t) return std::nullopt;
    if (t->vorzeichen == 0) return eins();
    Stufenzahl x{1, 0, t->betrag};
    if (t->vorzeichen > 0) {
        x.stufen = stufenPlus(t->stufen, 1);
        return normiert(std::move(x));
    }
    if (t->stufen == 0) {
        negieren(x.betrag);
        exp10Intervall(x.betrag);
        return normiert(std::move(x));
    }
    // 10^-|t| with |t| >= 10^10: below every positive wide float but the least, an upper
    // bound that mpfr_exp10 gives on underflow.
    mpfr_set_zero(x.betrag.lo, 1);
    if (t->stufen == 1) {
        mpfr_exp10(x.betrag.hi, t->betrag.lo, MPFR_RNDD);
    } else {
        mpfr_set_d(x.betrag.hi, 1e10, MPFR_RNDD);
    }
    mpfr_neg(x.betrag.hi, x.betrag.hi, MPFR_RNDN);
    mpfr_exp10(x.betrag.hi, x.betrag.hi, MPFR_RNDU);
    return normiert(std::move(x));
}

// |klein| / |gross| from their logarithms lk and lg.
OptStufenzahl quotientBetrag(const Stufenzahl& lk, const Stufenzahl& lg) {
    if (lk.stufen > 0 || lg.stufen > 0) return exp10(summe(lk, negiert(lg)));
    // Nearly equal numbers: the difference of the logarithms may hold 0.
    Intervall d = mitVorzeichen(lk);
    const Intervall g = mitVorzeichen(lg);
    mpfr_sub(d.lo, d.lo, g.hi, MPFR_RNDD);
    mpfr_sub(d.hi, d.hi, g.lo, MPFR_RNDU);
    exp10Intervall(d);
    return normiert(Stufenzahl{1, 0, std::move(d)});
}

// Small powers of level-0 numbers exactly where the wide float holds them: the pass counts
// of a recursion (3^27, 2^16) must stay whole. Monotone in each argument, so the corners
// bound it.
OptStufenzahl potenzDirekt(const Stufenzahl& basis, const Stufenzahl& exponent, int vorzeichen) {
    const Intervall e = mitVorzeichen(exponent);
    Intervall ecke;
    Stufenzahl x{vorzeichen, 0, Intervall{}};
    bool erste = true;
    for (const auto b : {basis.betrag.lo, basis.betrag.hi}) {
        for (const auto f : {e.lo, e.hi}) {
            mpfr_pow(ecke.lo, b, f, MPFR_RNDD);
            mpfr_pow(ecke.hi, b, f, MPFR_RNDU);
            if (erste || mpfr_cmp(ecke.lo, x.betrag.lo) < 0)
                mpfr_set(x.betrag.lo, ecke.lo, MPFR_RNDN);
            if (erste || mpfr_cmp(ecke.hi, x.betrag.hi) > 0)
                mpfr_set(x.betrag.hi, ecke.hi, MPFR_RNDN);
            erste = false;
        }
    }
    return normiert(std::move(x));
}

// Whether basis^exponent on level 0 stays far inside the wide float's range.
bool potenzKlein(const Stufenzahl& basis, const Stufenzahl& exponent) {
    if (basis.stufen > 0 || exponent.stufen > 0 || mpfr_sgn(basis.betrag.lo) <= 0) return false;
    Intervall l = basis.betrag;
    mpfr_log2(l.lo, l.lo, MPFR_RNDD);
    mpfr_log2(l.hi, l.hi, MPFR_RNDU);
    const double bits =
        std::max(std::abs(mpfr_get_d(l.lo, MPFR_RNDN)), std::abs(mpfr_get_d(l.hi, MPFR_RNDN))) *
        mpfr_get_d(exponent.betrag.hi, MPFR_RNDU);
    return bits < 1e6;
}

// klein on level 0 added to gross on level 1: gross · (1 + klein / gross).
OptStufenzahl summeErsteStufe(const Stufenzahl& gross, const Stufenzahl& klein) {
    Intervall kehr = gross.betrag;  // 10^-z
    negieren(kehr);
    exp10Intervall(kehr);
    Intervall q = klein.betrag;
    mpfr_mul(q.lo, q.lo, kehr.lo, MPFR_RNDD);
    mpfr_mul(q.hi, q.hi, kehr.hi, MPFR_RNDU);
    if (gross.vorzeichen != klein.vorzeichen) negieren(q);
    mpfr_add_ui(q.lo, q.lo, 1, MPFR_RNDD);
    mpfr_add_ui(q.hi, q.hi, 1, MPFR_RNDU);
    if (mpfr_sgn(q.lo) <= 0) return std::nullopt;
    log10Intervall(q);
    Stufenzahl x{gross.vorzeichen, 1, gross.betrag};
    mpfr_add(x.betrag.lo, x.betrag.lo, q.lo, MPFR_RNDD);
    mpfr_add(x.betrag.hi, x.betrag.hi, q.hi, MPFR_RNDU);
    return normiert(std::move(x));
}

// From three layers on, |klein| <= |gross| moves gross's innermost exponent by less than
// 10^-(10^10) even when it doubles gross, far below one unit in its last place; only
// numbers on the same level whose intervals meet can cancel.
OptStufenzahl summeHoch(const Stufenzahl& gross, const Stufenzahl& klein, bool gleichsinnig) {
    Stufenzahl x = gross;
    x.gerade = false;
    Intervall oben = klein.betrag;  // klein on gross's level, when it is that close
    const bool nah = klein.stufen + 1 >= gross.stufen;
    if (nah && klein.stufen < gross.stufen) log10Intervall(oben);
    if (gleichsinnig) {
        if (nah && mpfr_cmp(oben.hi, x.betrag.hi) > 0) mpfr_set(x.betrag.hi, oben.hi, MPFR_RNDN);
        mpfr_nextabove(x.betrag.hi);
        return normiert(std::move(x));
    }
    if (klein.stufen >= kStufenGrenze || (nah && mpfr_cmp(oben.hi, x.betrag.lo) >= 0)) {
        return std::nullopt;
    }
    mpfr_nextbelow(x.betrag.lo);
    return normiert(std::move(x));
}

bool exaktGanz(const Stufenzahl& x) {
    return x.stufen == 0 && mpfr_equal_p(x.betrag.lo, x.betrag.hi) && mpfr_integer_p(x.betrag.lo);
}

bool exaktGerade(const Stufenzahl& x) {
    if (x.vorzeichen == 0 || x.gerade) return true;
    if (!exaktGanz(x)) return false;
    Intervall halb = x.betrag;
    mpfr_div_2ui(halb.lo, halb.lo, 1, MPFR_RNDN);  // exact
    return mpfr_integer_p(halb.lo) != 0;
}

// Widens a positive interval by 2^-bits of its ends.
void aufweiten(Intervall& x, long bits) {
    Intervall rand = x;
    mpfr_mul_2si(rand.lo, x.lo, -bits, MPFR_RNDU);
    mpfr_mul_2si(rand.hi, x.hi, -bits, MPFR_RNDU);
    mpfr_sub(x.lo, x.lo, rand.lo, MPFR_RNDD);
    mpfr_add(x.hi, x.hi, rand.hi, MPFR_RNDU);
}

}  // namespace

Intervall::Intervall() {
    mpfr_init2(lo, kStufenBits);
    mpfr_init2(hi, kStufenBits);
    mpfr_set_zero(lo, 1);
    mpfr_set_zero(hi, 1);
}

Intervall::Intervall(double wert) : Intervall() {
    mpfr_set_d(lo, wert, MPFR_RNDN);  // exact: a double has fewer bits
    mpfr_set_d(hi, wert, MPFR_RNDN);
}

Intervall::Intervall(const Intervall& anderes) : Intervall() {
    *this = anderes;
}

Intervall& Intervall::operator=(const Intervall& anderes) {
    mpfr_set(lo, anderes.lo, MPFR_RNDN);
    mpfr_set(hi, anderes.hi, MPFR_RNDN);
    return *this;
}

Intervall::~Intervall() {
    mpfr_clear(lo);
    mpfr_clear(hi);
}

void stufenzahlenAufraeumen() {
    mpfr_free_cache2(MPFR_FREE_LOCAL_CACHE);
}

Stufenzahl alsStufenzahl(double wert) {
    Stufenzahl x;
    if (wert == 0) return x;
    x.vorzeichen = wert < 0 ? -1 : 1;
    x.betrag = Intervall(wert < 0 ? -wert : wert);
    x.gerade = std::abs(wert) >= 0x1p53;  // no double that large has a fraction or is odd
    return *normiert(std::move(x));
}

OptStufenzahl summe(const Stufenzahl& a, const Stufenzahl& b) {
    if (a.vorzeichen == 0) return b;
    if (b.vorzeichen == 0) return a;
    if (a.stufen == 0 && b.stufen == 0) {
        Intervall s = mitVorzeichen(a);
        const Intervall t = mitVorzeichen(b);
        mpfr_add(s.lo, s.lo, t.lo, MPFR_RNDD);
        mpfr_add(s.hi, s.hi, t.hi, MPFR_RNDU);
        return ausIntervall(std::move(s));
    }
    const bool aGross =
        a.stufen > b.stufen || (a.stufen == b.stufen && mpfr_cmp(a.betrag.hi, b.betrag.hi) >= 0);
    const Stufenzahl& gross = aGross ? a : b;
    const Stufenzahl& klein = aGross ? b : a;
    const bool gleichsinnig = a.vorzeichen == b.vorzeichen;
    if (gross.stufen >= 3) return summeHoch(gross, klein, gleichsinnig);
    if (klein.stufen == 0 && gross.stufen == 1) return summeErsteStufe(gross, klein);
    if (klein.stufen == 0) {
        // |klein| < 10^15 beside |gross| >= 10^10^10: the sum moves gross's innermost
        // exponent by far less than one unit in its last place.
        Stufenzahl x = gross;
        x.gerade = false;
        if (gleichsinnig) {
            mpfr_nextabove(x.betrag.hi);
        } else {
            mpfr_nextbelow(x.betrag.lo);
        }
        return normiert(std::move(x));
    }
    // gross · (1 ± 10^(log10|klein| - log10|gross|))
    const OptStufenzahl lg = log10Betrag(gross);
    const OptStufenzahl lk = log10Betrag(klein);
    if (!lg || !lk) return std::nullopt;
    const OptStufenzahl r = quotientBetrag(*lk, *lg);
    if (!r || r->stufen > 0) return std::nullopt;
    Intervall c = r->betrag;
    if (!gleichsinnig) negieren(c);
    mpfr_add_ui(c.lo, c.lo, 1, MPFR_RNDD);
    mpfr_add_ui(c.hi, c.hi, 1, MPFR_RNDU);
    if (mpfr_sgn(c.lo) <= 0) return std::nullopt;
    log10Intervall(c);
    const OptStufenzahl korrektur = ausIntervall(std::move(c));
    if (!korrektur) return std::nullopt;
    OptStufenzahl x = exp10(summe(*lg, *korrektur));
    if (x) x->vorzeichen = gross.vorzeichen;
    return x;
}

OptStufenzahl produkt(const Stufenzahl& a, const Stufenzahl& b) {
    if (a.vorzeichen == 0 || b.vorzeichen == 0) return null();
    const int vorzeichen = a.vorzeichen * b.vorzeichen;
    OptStufenzahl x;
    if (a.stufen == 0 && b.stufen == 0) {
        x = Stufenzahl{vorzeichen, 0, a.betrag};
        mpfr_mul(x->betrag.lo, x->betrag.lo, b.betrag.lo, MPFR_RNDD);
        mpfr_mul(x->betrag.hi, x->betrag.hi, b.betrag.hi, MPFR_RNDU);
        return normiert(std::move(*x));
    }
    const OptStufenzahl la = log10Betrag(a);
    const OptStufenzahl lb = log10Betrag(b);
    if (!la || !lb) return std::nullopt;
    x = exp10(summe(*la, *lb));
    if (x) x->vorzeichen = vorzeichen;
    return x;
}

OptStufenzahl potenz(const Stufenzahl& basis, const Stufenzahl& exponent) {
    if (exponent.vorzeichen == 0) return eins();
    const auto negativ = istNegativ(exponent);
    if (!negativ) return std::nullopt;
    if (basis.vorzeichen == 0) {
        if (*negativ) return std::nullopt;
        return null();
    }
    int vorzeichen = 1;
    if (basis.vorzeichen < 0 && !exponent.gerade) {
        // A negative base needs a whole exponent whose parity the interval knows.
        if (!exaktGanz(exponent)) return std::nullopt;
        if (!exaktGerade(exponent)) vorzeichen = -1;
    }
    OptStufenzahl x;
    if (potenzKlein(basis, exponent)) {
        x = potenzDirekt(basis, exponent, vorzeichen);
    } else {
        const OptStufenzahl l = log10Betrag(basis);
        if (!l) return std::nullopt;
        x = exp10(produkt(exponent, *l));
        if (x) x->vorzeichen = vorzeichen;
    }
    // An even base to a whole power of at least 1 stays even, however large it grows.
    if (x && exaktGerade(basis) && !*negativ &&
        (exponent.gerade || (exaktGanz(exponent) && exponent.vorzeichen > 0))) {
        x->gerade = true;
    }
    return x;
}

OptStufenzahl alsStufenzahl(Intervall wert) {
    return ausIntervall(std::move(wert));
}

Stufenzahl negiert(Stufenzahl x) {
    x.vorzeichen = -x.vorzeichen;
    return x;
}

OptStufenzahl zehnHoch(const Stufenzahl& t) {
    return exp10(t);
}

OptStufenzahl log10Von(const Stufenzahl& x) {
    if (x.vorzeichen <= 0) return std::nullopt;
    return log10Betrag(x);
}

OptStufenzahl quotient(const Stufenzahl& zaehler, const Stufenzahl& nenner) {
    if (nenner.vorzeichen == 0) return std::nullopt;
    if (zaehler.vorzeichen == 0) return null();
    const int vorzeichen = zaehler.vorzeichen * nenner.vorzeichen;
    if (zaehler.stufen == 0 && nenner.stufen == 0) {
        if (mpfr_sgn(nenner.betrag.lo) <= 0) return std::nullopt;
        Stufenzahl x{vorzeichen, 0, zaehler.betrag};
        mpfr_div(x.betrag.lo, x.betrag.lo, nenner.betrag.hi, MPFR_RNDD);
        mpfr_div(x.betrag.hi, x.betrag.hi, nenner.betrag.lo, MPFR_RNDU);
        return normiert(std::move(x));
    }
    const OptStufenzahl lz = log10Betrag(zaehler);
    const OptStufenzahl ln = log10Betrag(nenner);
    if (!lz || !ln) return std::nullopt;
    OptStufenzahl x = quotientBetrag(*lz, *ln);
    if (x) x->vorzeichen = vorzeichen;
    return x;
}

std::optional<bool> istGleich(const Stufenzahl& x, double wert) {
    if (x.stufen > 0) return false;  // |x| >= 10^10, beyond every value asked about
    const Intervall s = mitVorzeichen(x);
    if (mpfr_cmp_d(s.lo, wert) > 0 || mpfr_cmp_d(s.hi, wert) < 0) return false;
    if (mpfr_cmp_d(s.lo, wert) == 0 && mpfr_cmp_d(s.hi, wert) == 0) return true;
    return std::nullopt;
}

std::optional<bool> istNegativ(const Stufenzahl& x) {
    if (x.vorzeichen >= 0) return false;
    if (x.stufen > 0 || mpfr_sgn(x.betrag.lo) > 0) return true;
    return std::nullopt;
}

std::optional<bool> istGanz(const Stufenzahl& x) {
    if (x.vorzeichen == 0) return true;
    // From 10^20 on a wide float, like a double beyond 2^53, has no fraction left.
    if (x.stufen > 1 || (x.stufen == 1 && mpfr_cmp_ui(x.betrag.lo, 20) >= 0)) return true;
    if (x.stufen == 1) return std::nullopt;
    if (mpfr_equal_p(x.betrag.lo, x.betrag.hi)) return mpfr_integer_p(x.betrag.lo) != 0;
    Intervall ganz = x.betrag;
    mpfr_floor(ganz.lo, x.betrag.lo);
    mpfr_floor(ganz.hi, x.betrag.hi);
    if (mpfr_equal_p(ganz.lo, ganz.hi) && !mpfr_integer_p(x.betrag.lo)) return false;
    return std::nullopt;
}

std::optional<std::uint64_t> alsAnzahl(const Stufenzahl& x) {
    const auto ganz = istGanz(x);
    const auto negativ = istNegativ(x);
    if (!ganz || !*ganz || !negativ || *negativ) return std::nullopt;
    if (x.vorzeichen == 0) return 0;
    if (x.stufen == 0 && mpfr_equal_p(x.betrag.lo, x.betrag.hi) &&
        mpfr_cmp_ui_2exp(x.betrag.lo, 1, 63) < 0) {
        return mpfr_get_ui(x.betrag.lo, MPFR_RNDN);
    }
    if (x.stufen == 0 && mpfr_cmp_ui_2exp(x.betrag.lo, 1, 63) < 0) return std::nullopt;
    return kStufenGrenze;
}

bool wiederholtSich(const Stufenzahl& x, const Stufenzahl& y) {
    // From three layers on, one more pass changes the innermost exponent by less than
    // 10^-(10^15), and each later pass by far less again.
    if (x.vorzeichen <= 0 || y.vorzeichen <= 0 || x.stufen < 3 || y.stufen <= x.stufen) {
        return false;
    }
    // The rounding of one pass (many operations, each a unit in the last place, and the
    // widening of shortcuts taken inside it) stays well below 2^-180 of the value.
    Intervall weit = x.betrag;
    aufweiten(weit, 180);
    return mpfr_cmp(y.betrag.lo, weit.lo) >= 0 && mpfr_cmp(y.betrag.hi, weit.hi) <= 0;
}

bool liegtIn(const Stufenzahl& y, const Stufenzahl& x) {
    return y.vorzeichen == x.vorzeichen && y.stufen == x.stufen &&
           mpfr_cmp(y.betrag.lo, x.betrag.lo) >= 0 && mpfr_cmp(y.betrag.hi, x.betrag.hi) <= 0;
}

Stufenzahl mitWeiterenStufen(Stufenzahl y, std::uint64_t mehr) {
    y.stufen = stufenPlus(y.stufen, mehr);
    y.gerade = false;
    // The exact drift of all those passes together lies below 10^-(10^10); 2^-240 of the
    // value, some ten thousand units in the last place, covers it many times over.
    aufweiten(y.betrag, 240);
    return y;
}

}  // namespace staffel
