#include <gtest/gtest.h>
#include <mpfr.h>

#include <cmath>
#include <optional>
#include <string>

#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "engine/size/groesse.h"
#include "engine/size/grosse_zahl_lesen.h"
#include "modul_pruefstand.h"

namespace staffel {
namespace {

// What a text reads as: "wide" with the size it names, or the double the reading gives.
struct Lesung {
    const char* text;
    std::optional<const char*> groesse;  // set: read as a wide number of this size
    double wert;                         // otherwise: the double read
};

TEST(WeitLesen, EveryFormAndItsNeighbours) {
    const Lesung faelle[] = {
        {"1E400", "1E+400", 0},
        {"-1E400", "-1E+400", 0},
        {" + 1 . 5 E 400", "1.5E+400", 0},
        {"1.5E400abc", "1.5E+400", 0},
        {"1.25801429062749E+3638334640024", "1.25801429062749E+3638334640024", 0},
        {"10^400", "1E+400", 0},
        {"-10^400", "-1E+400", 0},
        {"10^1E+400", "10^1E+400", 0},
        {"10^10^100", "10^1E+100", 0},
        {"(10^)^4 6E+30", "(10^)^4 6E+30", 0},
        {"(10^)^2 1E400", "10^10^1E+400", 0},
        {"1E99999999999999999999", "10^1E+20", 0},
        // Within the doubles every text reads as it always did.
        {"1E300", std::nullopt, 1e300},
        {"10^300", std::nullopt, 10},
        {"10^", std::nullopt, 10},
        {"10^x", std::nullopt, 10},
        {"(10^)^", std::nullopt, 0},
        {"(10^)^4", std::nullopt, 0},
        {"1E", std::nullopt, 1},
        {"1E+", std::nullopt, 1},
        {"1E-400", std::nullopt, 0},
        {"10^-400", std::nullopt, 0},  // below every double, as 1E-400
        {"0E999", std::nullopt, 0},
    };
    for (const Lesung& fall : faelle) {
        SCOPED_TRACE(fall.text);
        const Werte werte = WerteLesen(fall.text, "1");
        EXPECT_FALSE(werte.ausserhalb);
        if (fall.groesse) {
            ASSERT_TRUE(werte.basisWeit.has_value());
            EXPECT_EQ(GroesseText(*werte.basisWeit), *fall.groesse);
        } else {
            EXPECT_FALSE(werte.basisWeit.has_value());
            EXPECT_EQ(werte.basis, fall.wert);
        }
    }
}

// Reading is the size text's inverse: the interval read holds the number printed.
TEST(WeitLesen, ReadsBackEverySizeItPrints) {
    for (const char* groesse : {"1.25801429062749E+3638334640024", "10^5.11750992628768E+59",
                                "(10^)^36 2.16995458167689E+264007110309344", "-2.5E+400"}) {
        const WeiteLesung lesung = WeitLesen(groesse);
        ASSERT_TRUE(lesung.gross.has_value()) << groesse;
        EXPECT_EQ(GroesseText(*lesung.gross), groesse);
    }
}

// An independent 600-bit calculation of log10 of the expected value.
class Hoch {
  public:
    Hoch() { mpfr_init2(x, 600); }
    ~Hoch() { mpfr_clear(x); }
    Hoch(const Hoch&) = delete;
    Hoch& operator=(const Hoch&) = delete;
    mpfr_t x;
};

double log10Von(double b) {
    Hoch h;
    mpfr_set_d(h.x, b, MPFR_RNDN);
    mpfr_log10(h.x, h.x, MPFR_RNDN);
    return mpfr_get_d(h.x, MPFR_RNDN);
}

TEST(WeiteEingaben, AnswerAsAnIndependentCalculation) {
    // The logarithm of 10^400 to base 3: 400 / log10 3; of a googolplex twice: 100, plus 1.
    Hoch log3;
    mpfr_set_ui(log3.x, 3, MPFR_RNDN);
    mpfr_log10(log3.x, log3.x, MPFR_RNDN);
    mpfr_ui_div(log3.x, 400, log3.x, MPFR_RNDN);
    const struct {
        RechenEingabe eingabe;
        double wert;
    } faelle[] = {
        {{"1/5", "1", "1E400", "10"}, 400},
        {{"1/5", "1", "10^400", "3"}, mpfr_get_d(log3.x, MPFR_RNDN)},
        {{"1/6", "01", "10^10^100", "10"}, 101},
        {{"3/11", "00001", "10^10^100", "10"}, 101},
        {{"1/4", "0", "1E400", "1E398"}, 100},
        {{"1/5", "1", "10^1E+20", "10^1E+18"}, 100},
        {{"4/5", "01", "1E400", "10"}, -398},
        {{"5/6", "001", "10^10^50", "10"}, -49},
        {{"3/7", "001", "1E400", "1"}, 400 / log10Von(1) + 1},
        {{"7", "1", "1E400", "0"}, 1},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.basis);
        ModulRAPruefstand modul;
        const Antwort a = modul.rechne(fall.eingabe);
        if (!std::isfinite(fall.wert)) {
            EXPECT_FALSE(a.gueltig);
            continue;
        }
        EXPECT_TRUE(a.gueltig);
        EXPECT_EQ(a.ergebnisText, FormatErgebnis(fall.wert, ""));
    }
}

TEST(WeiteEingaben, SizesBeyondTheDoublesAndBelowThem) {
    const struct {
        RechenEingabe eingabe;
        const char* groesse;
        bool klein = false;
    } faelle[] = {
        {{"1/5", "0", "10^1000", "2"}, "1E+500"},
        {{"1/5", "0", "1E300", "0.5"}, "1E+600"},
        {{"1/4", "0", "1E300", "1E-300"}, "1E+600"},
        {{"5", "", "-10", "1E300"}, "10^1E+300"},
        {{"5", "", "-10", "3"}, nullptr},
        {{"3", "", "1E400", "1E400"}, "2E+400"},
        {{"4", "", "-1E400", "1E400"}, "-1E+800"},
        {{"5", "", "-10", "1E400"}, "10^1E+400"},
        {{"6", "0", "0.5", "-2000"}, "10^-6.91243556440185E+601", true},
        // 0.5^(2^2000): log10 = -2^2000 · log10 2, worked out at 700 digits.
        {{"6/5", "00", "0.5", "2001"}, "10^-3.45621778220093E+601", true},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.basis + " " +
                     fall.eingabe.exponent);
        ModulRAPruefstand modul;
        const Antwort a = modul.rechne(fall.eingabe);
        EXPECT_EQ(a.groesse,
                  fall.groesse ? std::optional<std::string>(fall.groesse) : std::nullopt);
        if (a.groesse) {
            EXPECT_EQ(istKleinText(*a.groesse), fall.klein);
        }
    }
}

}  // namespace
}  // namespace staffel
