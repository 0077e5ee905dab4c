// The place of an overflowed closed form from its formula in double, against the place its
// size from the wide calculation gives.
#include "engine/graph/ueberlauf_skala.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/graph/skala.h"
#include "engine/size/groesse.h"

namespace staffel::graph {
namespace {

double ulp(double x) {
    return std::nextafter(std::abs(x), std::numeric_limits<double>::infinity()) - std::abs(x);
}

// Results whose logarithm lies below 10^15, where the size holds it as its innermost number.
TEST(UeberlaufSkala, AgreesWithTheSizeToAFewUlps) {
    struct Fall {
        Int16 n;
        const char* A;
        double b;
        double e;
    };
    const Fall faelle[] = {
        {5, "", 10, 400},          {5, "", 7.3, 400},      {5, "", -7.3, 401},
        {5, "", 1.0000001, 1e13},  {5, "", 0.5, -2000},    {5, "", 99.99, 1e13},
        {4, "", 1e300, 1e300},     {4, "", -1e300, 1e200}, {3, "", 1.7e308, 1.7e308},
        {3, "", -1.7e308, -1e308}, {6, "0", 10, 4.5},      {6, "0", 2.5, 12},
        {6, "0", 1.5, 40},         {5, "0", 3, 700.5},
    };
    const ModulRA modul;
    for (const Fall& f : faelle) {
        const int fall = closedFormCase(f.n, 1, f.A);
        const OptStufenzahl groesse = GroesseStufen(f.n, f.A, f.b, f.e, modul);
        ASSERT_TRUE(groesse && groesse->stufen > 0) << f.b << " " << f.e;
        for (const Skala skala : {Skala::Log10, Skala::Hoehe}) {
            const auto schnell = ueberlaufInSkala(skala, fall, f.b, f.e);
            const auto genau = inSkala(skala, *groesse);
            ASSERT_TRUE(schnell && genau) << f.b << " " << f.e;
            EXPECT_LE(std::abs(*schnell - *genau), 4 * ulp(*genau))
                << f.n << " " << f.b << " " << f.e << " " << static_cast<int>(skala);
        }
    }
}

// Where the formula in double cannot place the result, the wide calculation does.
TEST(UeberlaufSkala, LeavesTheRestToTheWideCalculation) {
    struct Fall {
        Skala skala;
        int fall;
        double b;
        double e;
    };
    const Fall faelle[] = {
        {Skala::Wert, 5, 10, 400},         // the value scale has no place beyond the doubles
        {Skala::Log10, 0, 10, 400},        // no closed form
        {Skala::Log10, 9, -3, 7},          // a negative base under the tower
        {Skala::Log10, 9, 10, 400},        // the inner power overflows as well
        {Skala::Log10, 5, 0, -1},          // no logarithm of zero
        {Skala::Log10, 5, 10, 300},        // within the doubles
        {Skala::Hoehe, 8, 1e300, 1e-300},  // a formula without a logarithm here
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(ueberlaufInSkala(f.skala, f.fall, f.b, f.e), std::nullopt)
            << f.fall << " " << f.b;
    }
}

}  // namespace
}  // namespace staffel::graph
