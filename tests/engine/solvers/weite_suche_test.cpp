#include <gtest/gtest.h>
#include <mpfr.h>

#include <functional>
#include <string>

#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "modul_pruefstand.h"

namespace staffel {
namespace {

// A 400-bit number of the test's own.
struct Hoch {
    Hoch() { mpfr_init2(x, 400); }
    explicit Hoch(double wert) : Hoch() { mpfr_set_d(x, wert, MPFR_RNDN); }
    ~Hoch() { mpfr_clear(x); }
    Hoch(const Hoch&) = delete;
    Hoch& operator=(const Hoch&) = delete;
    mpfr_t x;
};

// log10 of the forward operation x^(x^p) at x > 1, p = mitX·x + c: x^x, x^(x^2), x^(x^(x-1)),
// x^(x^x).
struct Vorwaerts {
    int mitX;
    int c;
};

void log10Vorwaerts(Vorwaerts f, const mpfr_t x, mpfr_t ergebnis) {
    Hoch lg, p;
    mpfr_log10(lg.x, x, MPFR_RNDN);
    mpfr_mul_si(p.x, x, f.mitX, MPFR_RNDN);
    mpfr_add_si(p.x, p.x, f.c, MPFR_RNDN);
    mpfr_pow(p.x, x, p.x, MPFR_RNDN);
    mpfr_mul(ergebnis, p.x, lg.x, MPFR_RNDN);
}

// The result text of the x > 1 whose forward value has log10 = ziel, found by bisection on
// log10 x and rounded to 15 digits from the 400-bit solution itself (through a double it would
// round twice).
std::string loesungsText(Vorwaerts f, const mpfr_t ziel) {
    Hoch unten(0.01), oben(300), x, wert;
    for (int i = 0; i < 420; ++i) {
        mpfr_add(x.x, unten.x, oben.x, MPFR_RNDN);
        mpfr_div_2ui(x.x, x.x, 1, MPFR_RNDN);
        mpfr_exp10(wert.x, x.x, MPFR_RNDN);
        log10Vorwaerts(f, wert.x, wert.x);
        mpfr_set(mpfr_cmp(wert.x, ziel) < 0 ? unten.x : oben.x, x.x, MPFR_RNDN);
    }
    mpfr_exp10(x.x, unten.x, MPFR_RNDN);
    mpfr_exp_t stellen = 0;
    char* z = mpfr_get_str(nullptr, &stellen, 10, 15, x.x, MPFR_RNDN);
    const std::string gerundet = std::string(z) + "e" + std::to_string(stellen - 15);
    mpfr_free_str(z);
    mpfr_set_str(x.x, gerundet.c_str(), 10, MPFR_RNDN);
    return FormatErgebnis(mpfr_get_d(x.x, MPFR_RNDN), "");
}

TEST(WeiteSuche, SuperRootsAsAnIndependentCalculation) {
    // log10 of the Basis: 400; 10^100; 3638334640024 + log10 1.25801429062749.
    Hoch vierhundert(400), googol, gross;
    mpfr_ui_pow_ui(googol.x, 10, 100, MPFR_RNDN);
    mpfr_set_str(gross.x, "125801429062749e-14", 10, MPFR_RNDN);
    mpfr_log10(gross.x, gross.x, MPFR_RNDN);
    mpfr_add_d(gross.x, gross.x, 3638334640024.0, MPFR_RNDN);
    const struct {
        RechenEingabe eingabe;
        Vorwaerts f;
        const mpfr_t& log10Basis;
        bool rekursion;
    } faelle[] = {
        {{"1/6", "00", "1E400", "2"}, {0, 1}, vierhundert.x, false},
        {{"1/6", "00", "10^10^100", "2"}, {0, 1}, googol.x, false},
        {{"1/6", "00", "1.25801429062749E+3638334640024", "2"}, {0, 1}, gross.x, false},
        {{"1/6", "00", "1E400", "3"}, {0, 2}, vierhundert.x, false},
        {{"1/7", "000", "1E400", "2"}, {1, -1}, vierhundert.x, true},
        {{"1/6", "10", "10^10^100", "3"}, {1, 0}, googol.x, true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.aufzahl + " " +
                     fall.eingabe.basis + " " + fall.eingabe.exponent);
        ModulRAPruefstand modul;
        const Antwort a = modul.rechne(fall.eingabe);
        EXPECT_TRUE(a.gueltig);
        EXPECT_EQ(a.ergebnisText, loesungsText(fall.f, fall.log10Basis));
        EXPECT_EQ(a.nameId.basis == TextId::NameUnbekannt, fall.rekursion);
        EXPECT_EQ(modul.ZaehlerIII.get(), fall.rekursion ? 1 : 0);
        EXPECT_EQ(modul.AnzahlIntervalle.get(), 1);
    }
}

// A solution a hair beside the point where the 15-digit text turns: the neighbouring doubles
// around it have different texts, and only the forward value at that point tells which is
// right.
TEST(WeiteSuche, ASolutionBesideTheRoundingBoundaryGetsItsOwnText) {
    const struct {
        double versatz;
        const char* text;
    } faelle[] = {{1e-30, "  177.785892928074"}, {-1e-30, "  177.785892928073"}};
    for (const auto& fall : faelle) {
        Hoch x, hoch, versatz(fall.versatz);
        mpfr_set_str(x.x, "1777858929280735e-13", 10, MPFR_RNDN);
        mpfr_add(x.x, x.x, versatz.x, MPFR_RNDN);
        log10Vorwaerts({0, 1}, x.x, hoch.x);
        mpfr_exp_t exponent = 0;
        char* ziffern = mpfr_get_str(nullptr, &exponent, 10, 70, hoch.x, MPFR_RNDN);
        const std::string basis =
            "10^0." + std::string(ziffern) + "E" + std::to_string(static_cast<long>(exponent));
        mpfr_free_str(ziffern);
        ModulRAPruefstand modul;
        EXPECT_EQ(modul.rechne({"1/6", "00", basis, "2"}).ergebnisText, fall.text);
    }
}

// A halt asked for at the k-th halt test of the search ends it there.
TEST(WeiteSuche, HaltsBetweenItsTrials) {
    for (const int k : {2, 20, 40, 70}) {
        SCOPED_TRACE(k);
        ModulRAPruefstand modul;
        int gefragt = 0;
        const std::function<bool()> frage = [&] {
            modul.nachfragen();
            return ++gefragt >= k;
        };
        modul.rueckfrageSetzen(&frage);
        modul.nachfragen();
        const Antwort a = modul.rechne({"1/6", "00", "10^10^100", "2"});
        EXPECT_EQ(a.meldungId, TextId::Angehalten);
        EXPECT_EQ(gefragt, k);
        // The first 29 tests are the one before the search and those of its 28 trials.
        EXPECT_EQ(modul.ZaehlerG00.get() > 0, k > 29);
    }
}

}  // namespace
}  // namespace staffel
