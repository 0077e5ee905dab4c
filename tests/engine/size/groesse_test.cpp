#include "engine/size/groesse.h"

#include <gmp.h>
#include <gtest/gtest.h>
#include <mpfr.h>

#include <functional>
#include <string>

#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "modul_pruefstand.h"

namespace staffel {
namespace {

// The expected sizes come from exact integers (GMP) or from the closed logarithm of a
// tower, each evaluated here at 600 bits and rounded to fifteen digits.
class Hoch {
  public:
    Hoch() { mpfr_init2(x, 600); }
    ~Hoch() { mpfr_clear(x); }
    Hoch(const Hoch&) = delete;
    Hoch& operator=(const Hoch&) = delete;
    mpfr_t x;
};

// "m.mmmE+n" for 10^log10wert.
std::string text(const mpfr_t log10wert) {
    Hoch ganz, rest;
    mpfr_floor(ganz.x, log10wert);
    mpfr_sub(rest.x, log10wert, ganz.x, MPFR_RNDN);
    mpfr_exp10(rest.x, rest.x, MPFR_RNDN);
    mpfr_exp_t stelle = 0;
    char* z = mpfr_get_str(nullptr, &stelle, 10, 15, rest.x, MPFR_RNDN);
    std::string m(z);
    mpfr_free_str(z);
    m.erase(m.find_last_not_of('0') + 1);
    if (m.size() > 1) m.insert(1, ".");
    return m + "E+" + std::to_string(mpfr_get_si(ganz.x, MPFR_RNDN) + stelle - 1);
}

std::string ganzText(const std::function<void(mpz_t)>& wert) {
    mpz_t z;
    mpz_init(z);
    wert(z);
    Hoch l;
    mpfr_set_z(l.x, z, MPFR_RNDN);
    mpfr_abs(l.x, l.x, MPFR_RNDN);
    mpfr_log10(l.x, l.x, MPFR_RNDN);
    const std::string vorzeichen = mpz_sgn(z) < 0 ? "-" : "";
    mpz_clear(z);
    return vorzeichen + text(l.x);
}

// The innermost number of a tower of 3s from height 5 on: log10 of it is
// 3^27 · log10 3 + log10(log10 3), the further terms lie below 10^-(10^12).
std::string turmDreiText() {
    Hoch l, c;
    mpfr_set_ui(l.x, 3, MPFR_RNDN);
    mpfr_log10(l.x, l.x, MPFR_RNDN);
    mpfr_log10(c.x, l.x, MPFR_RNDN);
    mpfr_mul_ui(l.x, l.x, 7625597484987UL, MPFR_RNDN);
    mpfr_add(l.x, l.x, c.x, MPFR_RNDN);
    return text(l.x);
}

TEST(Groesse, MatchesAnIndependentComputation) {
    const std::string turm = turmDreiText();
    const std::string turmVier = [] {
        Hoch l;
        mpfr_set_ui(l.x, 3, MPFR_RNDN);
        mpfr_log10(l.x, l.x, MPFR_RNDN);
        mpfr_mul_ui(l.x, l.x, 7625597484987UL, MPFR_RNDN);
        return text(l.x);
    }();
    const auto zweiHoch = [](unsigned long n) {
        return ganzText([n](mpz_t z) { mpz_ui_pow_ui(z, 2, n); });
    };
    const struct {
        RechenEingabe eingabe;
        std::string groesse;
    } faelle[] = {
        {{"5", "", "10", "400"}, ganzText([](mpz_t z) { mpz_ui_pow_ui(z, 10, 400); })},
        {{"5", "", "2", "2000"}, zweiHoch(2000)},
        {{"6", "1", "2", "5"}, zweiHoch(65536)},
        {{"6", "1", "3", "4"}, turmVier},
        {{"6", "0", "10", "400"}, "10^" + ganzText([](mpz_t z) { mpz_ui_pow_ui(z, 10, 399); })},
        {{"6", "1", "3", "5"}, "10^" + turm},
        {{"6", "1", "3", "7"}, "10^10^10^" + turm},
        {{"6", "1", "3", "8"}, "(10^)^4 " + turm},
        {{"6", "1", "3", "1000000"}, "(10^)^999996 " + turm},
        {{"7", "11", "3", "3"}, "(10^)^7625597484983 " + turm},
        {{"7", "11", "3", "4"}, "mehr als (10^)^9007199254740992"},
        {{"5", "", "-10", "401"},
         ganzText([](mpz_t z) { mpz_ui_pow_ui(z, 10, 401), mpz_neg(z, z); })},
        {{"6", "0", "-10", "5"}, ganzText([](mpz_t z) { mpz_ui_pow_ui(z, 10, 10000); })},
        {{"4", "", "-1E300", "1E300"}, ganzText([](mpz_t z) {
             mpz_set_d(z, 1e300);
             mpz_mul(z, z, z);
             mpz_neg(z, z);
         })},
        {{"4", "", "1E200", "1E200"}, ganzText([](mpz_t z) {
             mpz_set_d(z, 1e200);
             mpz_mul(z, z, z);
         })},
        {{"3", "", "1.7E308", "1.7E308"}, ganzText([](mpz_t z) {
             mpz_set_d(z, 1.7e308);
             mpz_mul_ui(z, z, 2);
         })},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.aufzahl + " " +
                     fall.eingabe.basis + " " + fall.eingabe.exponent);
        ModulRAPruefstand modul;
        EXPECT_EQ(modul.rechne(fall.eingabe).groesse, fall.groesse);
    }
}

TEST(Groesse, OnlyForAnOverflowThatRanToItsEnd) {
    ModulRAPruefstand modul;
    EXPECT_NE(modul.rechne({"6", "1", "3", "4"}).groesse, std::nullopt);
    EXPECT_EQ(modul.rechne({"5", "", "2", "10"}).groesse, std::nullopt);
    EXPECT_EQ(modul.rechne({"1/5", "1", "0", "2"}).groesse, std::nullopt);
    EXPECT_EQ(modul.rechne({"8/3", "000", "10", "400"}).groesse, "1E+400");
    modul.anhalten();
    EXPECT_EQ(GroesseBerechnen(6, "1", 3, 4, modul), std::nullopt);
}

}  // namespace
}  // namespace staffel
