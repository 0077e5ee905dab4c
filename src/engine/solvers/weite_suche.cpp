#include "engine/solvers/weite_suche.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "engine/numbers/number_text.h"

namespace staffel::solver {

namespace {

// The whole positive double range, dense where the operations bend (around 0 and 1).
constexpr std::array kProbestellen = {std::numeric_limits<double>::min(),
                                      1e-6,
                                      0.001,
                                      0.01,
                                      0.1,
                                      0.5,
                                      0.9,
                                      1.0,
                                      1.001,
                                      1.01,
                                      1.1,
                                      1.5,
                                      2.0,
                                      3.0,
                                      5.0,
                                      10.0,
                                      15.0,
                                      20.0,
                                      50.0,
                                      100.0,
                                      500.0,
                                      1000.0,
                                      1e5,
                                      1e10,
                                      1e50,
                                      1e100,
                                      1e200,
                                      std::numeric_limits<double>::max()};

// Positive doubles in the order of their bit patterns are in the order of their values, so
// halving the distance between patterns reaches neighbouring doubles in at most 64 steps
// wherever the bracket lies.
std::uint64_t muster(double x) {
    return std::bit_cast<std::uint64_t>(x);
}

Intervall zwischen(double a, double c) {
    Intervall k;
    mpfr_set_d(k.lo, a, MPFR_RNDN);  // exact
    mpfr_set_d(k.hi, c, MPFR_RNDN);
    return k;
}

// The value of a number text, enclosed. Written as digits and a decimal exponent without a
// point, so that no locale can change how it reads.
Intervall dezimalWert(const std::string& text) {
    const DezimalZahl z = DezimalLesen(text);
    const std::string ziffern =
        z.ganz + z.bruch + "e" + std::to_string(z.exponent - static_cast<long>(z.bruch.size()));
    Intervall wert;
    mpfr_set_str(wert.lo, ziffern.c_str(), 10, MPFR_RNDD);
    mpfr_set_str(wert.hi, ziffern.c_str(), 10, MPFR_RNDU);
    return wert;
}

// Halfway between two neighbouring 15-digit texts: where the rounding turns from one to the
// other.
Intervall rundungsgrenze(const std::string& unten, const std::string& oben) {
    Intervall grenze = dezimalWert(unten);
    const Intervall o = dezimalWert(oben);
    mpfr_add(grenze.lo, grenze.lo, o.lo, MPFR_RNDD);
    mpfr_add(grenze.hi, grenze.hi, o.hi, MPFR_RNDU);
    mpfr_div_2ui(grenze.lo, grenze.lo, 1, MPFR_RNDN);  // exact
    mpfr_div_2ui(grenze.hi, grenze.hi, 1, MPFR_RNDN);
    return grenze;
}

class Suche {
  public:
    Suche(const WeiteGleichung& g, const ModulRA& modul, const std::function<bool()>& angehalten)
        : g_(g), modul_(modul), angehalten_(angehalten) {}

    WeiteLoesung loesen() {
        std::optional<double> vorige;
        int vorigeSeite = 0;
        bool groesse = false;
        for (const double x : kProbestellen) {
            if (halt()) return ende(WeiteLoesung::Ausgang::Angehalten);
            const std::optional<int> s = seite(alsStufenzahl(x));
            if (!s) continue;
            groesse = true;
            if (*s == 0) return loesung(x);
            if (vorige && vorigeSeite != *s) {
                l_.geklammert = true;
                return bisektion(*vorige, x, vorigeSeite);
            }
            vorige = x;
            vorigeSeite = *s;
        }
        return ende(groesse ? WeiteLoesung::Ausgang::Keine : WeiteLoesung::Ausgang::OhneGroesse);
    }

  private:
    bool halt() {
        gehalten_ = gehalten_ || angehalten_();
        return gehalten_;
    }

    OptStufenzahl vorwaerts(const Stufenzahl& x) {
        l_.weg = {};
        return g_.basisGesucht ? WeitBerechnen(g_.n, g_.d, g_.A, x, g_.e, modul_, &l_.weg)
                               : WeitBerechnen(g_.n, g_.d, g_.A, g_.e, x, modul_, &l_.weg);
    }

    // The side of b on which the forward value at x lies: -1 below, +1 above, 0 on it;
    // nullopt without a value or where the intervals cannot tell.
    std::optional<int> seite(const Stufenzahl& x) {
        const OptStufenzahl y = vorwaerts(x);
        if (!y) return std::nullopt;
        const OptStufenzahl abstand = summe(*y, negiert(g_.b));
        if (!abstand) return std::nullopt;
        return abstand->vorzeichen;
    }

    WeiteLoesung bisektion(double a, double c, int seiteA) {
        std::uint64_t unten = muster(a);
        std::uint64_t oben = muster(c);
        while (oben - unten > 1) {
            // The close's trials find the halt again and end the search as halted.
            if (halt()) break;
            ++l_.schritte;
            const double mitte = std::bit_cast<double>(unten + (oben - unten) / 2);
            const std::optional<int> s = seite(alsStufenzahl(mitte));
            if (!s) break;
            if (*s == 0) return loesung(mitte);
            (*s == seiteA ? unten : oben) = muster(mitte);
        }
        return abschluss(std::bit_cast<double>(unten), std::bit_cast<double>(oben), seiteA);
    }

    WeiteLoesung abschluss(double a, double c, int seiteA) {
        const OptStufenzahl klammer = alsStufenzahl(zwischen(a, c));
        if (!klammer || !vorwaerts(*klammer)) return ende(WeiteLoesung::Ausgang::Unsicher);
        const std::string textA = ZahlText(a);
        const std::string textC = ZahlText(c);
        if (textA == textC) return loesung(ZahlLesen(textA).wert);
        if (std::nextafter(a, c) != c) return ende(WeiteLoesung::Ausgang::Unsicher);

        const OptStufenzahl grenze = alsStufenzahl(rundungsgrenze(textA, textC));
        const std::optional<int> s = grenze ? seite(*grenze) : std::nullopt;
        if (s == seiteA) return loesung(ZahlLesen(textC).wert);
        if (s == -seiteA) return loesung(ZahlLesen(textA).wert);
        return ende(WeiteLoesung::Ausgang::Unsicher);
    }

    WeiteLoesung loesung(double x) {
        l_.loesung = x;
        return ende(WeiteLoesung::Ausgang::Loesung);
    }

    WeiteLoesung ende(WeiteLoesung::Ausgang ausgang) {
        // A trial that the halt cut short has no value: whatever the search made of that,
        // the halt ended it. A solution found needed every one of its trials.
        const bool ohneLoesung = ausgang != WeiteLoesung::Ausgang::Loesung;
        l_.ausgang = ohneLoesung && halt() ? WeiteLoesung::Ausgang::Angehalten : ausgang;
        return l_;
    }

    const WeiteGleichung& g_;
    const ModulRA& modul_;
    const std::function<bool()>& angehalten_;
    bool gehalten_ = false;
    WeiteLoesung l_;
};

}  // namespace

WeiteLoesung weitLoesen(const WeiteGleichung& gleichung, const ModulRA& modul,
                        const std::function<bool()>& angehalten) {
    return Suche(gleichung, modul, angehalten).loesen();
}

}  // namespace staffel::solver
