#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

constexpr std::string_view kKeineLoesung = " keine Lösung!    (IV)";
constexpr std::string_view kRationalerExponent =
    " In der Berechnung (Regel III) tritt ein rationaler Exponent auf!";

class SolverTest : public ::testing::Test {
  protected:
    test::RecordingHost host;
    ModulRA modul{&host};
};

int vorkommen(const std::string& text, std::string_view teil) {
    int anzahl = 0;
    for (auto pos = text.find(teil); pos != std::string::npos; pos = text.find(teil, pos + 1)) {
        ++anzahl;
    }
    return anzahl;
}

TEST_F(SolverTest, SuperRootOf27IsThreeAndNamedAsInverseOnce) {
    modul.Berechnung(1, 6, 27, 2, "00");
    EXPECT_EQ(modul.Fehlerstatus, 0);
    EXPECT_NEAR(modul.Ergebnis, 3, 1e-12);
    EXPECT_TRUE(modul.NameRechenart.starts_with(" Gegenrechenart von")) << modul.NameRechenart;
    EXPECT_EQ(vorkommen(modul.NameRechenart, "Gegenrechenart"), 1);
    EXPECT_EQ(modul.ZaehlerIV, 1);
    EXPECT_EQ(modul.ZaehlerG0, 1);
    EXPECT_TRUE(modul.Meldung.empty());

    modul.NameRechenart = " Gegenrechenart von  Potenzierung:  b ^ e";
    modul.emIV(1, 5, 4, 2, "0");
    EXPECT_EQ(vorkommen(modul.NameRechenart, "Gegenrechenart"), 1) << modul.NameRechenart;
}

TEST_F(SolverTest, ExactSupportPointHitReturnsTheFirstInIndexOrder) {
    // x^2 = 4 holds at -2 and at 2; -2 comes first and is returned without bisection. The
    // bisection counter starts at zero for every solve.
    modul.ZaehlerG00 = 77;
    modul.ZaehlerG11 = 77;
    EXPECT_EQ(modul.emIV(1, 5, 4, 2, "0"), -2);
    EXPECT_EQ(modul.Fehlerstatus, 0);
    EXPECT_EQ(modul.ZaehlerG00, 0);
    EXPECT_EQ(modul.ZaehlerG11, 77);
    EXPECT_EQ(modul.ZaehlerBer + 1, 53) << "one evaluation per support point";
    modul.ZaehlerG0 = 1;  // keeps the trial 0.5 from ending the second solver
    modul.emIV(1, 7, 4, 2, "001");
    EXPECT_EQ(modul.ZaehlerG11, 0);
}

TEST_F(SolverTest, SolutionInTheSecondOfTwoRuns) {
    // x^-1 = 0.3: undefined at 0, so negatives and positives form two runs; only the
    // second holds the solution 10/3.
    const double x = modul.GegenLsg0(5, 1, 0.3, -1, "");
    EXPECT_EQ(modul.AnzahlIntervalle, 2);
    EXPECT_EQ(modul.AktIntervall, 2);
    EXPECT_EQ(modul.Fehlerstatus, 0);
    EXPECT_NEAR(x, 10.0 / 3, 1e-12);
}

TEST_F(SolverTest, LastRunEndsAtTenWhenTheLargestPointIsDefined) {
    // sqrt(x) = 3 is bracketed by 5 and 10; sqrt(x) = 4.5 (x = 20.25) lies above the run's
    // end at 10 and is not found.
    EXPECT_NEAR(modul.GegenLsg0(5, 1, 3, 0.5, ""), 9, 1e-12);
    EXPECT_EQ(modul.Fehlerstatus, 0);

    modul.Zuruecksetzen();
    modul.GegenLsg0(5, 1, 4.5, 0.5, "");
    EXPECT_NE(modul.Fehlerstatus, 0);
    EXPECT_EQ(modul.Meldung, kKeineLoesung);
}

TEST_F(SolverTest, NoFalseSolutionAtTheEdgeOfDefinedness) {
    // x^x never falls below about 0.69; the edge search ends near 143.016, where x^x
    // overflows. That point is defined but does not solve the equation.
    modul.Berechnung(1, 6, 0.5, 2, "00");
    EXPECT_NE(modul.Fehlerstatus, 0);
    EXPECT_EQ(modul.Meldung, kKeineLoesung);
    EXPECT_EQ(modul.Ergebnis, 0);
    EXPECT_TRUE(host.boxes.empty()) << "reported silently once an inverse solve has run";
}

TEST_F(SolverTest, BisectionsEndWhereDoublesRunOut) {
    // Beyond |x| = 32 the absolute bound is finer than the spacing of doubles: the bisection
    // must still end (near 0, see the edge case above).
    struct Fall {
        double b;
        double loesung;
    };
    for (const Fall fall : {Fall{1e100, 56.961248432260763}, Fall{1e300, 139.82251981239}}) {
        SCOPED_TRACE(fall.b);
        modul.Zuruecksetzen();
        modul.Berechnung(1, 6, fall.b, 2, "00");
        ASSERT_EQ(modul.Fehlerstatus, 0);
        EXPECT_NEAR(modul.Ergebnis, fall.loesung, 1e-5);
        EXPECT_LE(std::fabs(std::pow(modul.Ergebnis, modul.Ergebnis) / fall.b - 1), 4e-11);
    }
}

// Every value a solver returns must satisfy the forward equation it solved.
TEST_F(SolverTest, ReturnedInversesSatisfyTheirForwardEquation) {
    struct Fall {
        Int16 n, d;  // the inverse's Rechenzahl
        const char* A;
        double b, e;
        Int16 vn, vd;  // the forward operation solved for its Basis
        const char* vA;
    };
    const Fall faelle[] = {
        {1, 6, "00", 0.8, 2, 6, 1, "0"},  {1, 6, "00", 1e50, 2, 6, 1, "0"},
        {1, 6, "00", 7, 3, 6, 1, "0"},    {1, 6, "10", 50, 2, 6, 1, "1"},
        {1, 7, "000", 27, 2, 7, 1, "00"}, {2, 7, "000", 5, 2, 7, 2, "00"},
        {1, 6, "00", 2, 0.5, 6, 1, "0"},
    };
    int geloest = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << f.n << "/" << f.d << " " << f.A << " " << f.b);
        modul.Zuruecksetzen();
        modul.Berechnung(f.n, f.d, f.b, f.e, f.A);
        if (modul.Fehlerstatus != 0) {  // unsolved must say so
            EXPECT_FALSE(modul.Meldung.empty());
            continue;
        }
        ++geloest;
        const double x = modul.Ergebnis;
        ModulRA vorwaerts;
        vorwaerts.Berechnung(f.vn, f.vd, x, f.e, f.vA);
        ASSERT_EQ(vorwaerts.Fehlerstatus, 0) << "x = " << x;
        EXPECT_LE(std::fabs((vorwaerts.Ergebnis - f.b) / f.b), 4e-11)
            << "x = " << x << " gives " << vorwaerts.Ergebnis;
    }
    EXPECT_GE(geloest, 6);
}

TEST_F(SolverTest, ExponentSolverStopsAtTheRationalTrialTheFirstTime) {
    modul.Berechnung(1, 7, 4, 2, "001");
    EXPECT_EQ(modul.Fehlerstatus, 3);
    EXPECT_EQ(modul.Meldung, " ???");
    EXPECT_EQ(modul.Ergebnis, 0);
    EXPECT_EQ(modul.ZaehlerG1, 1);
    EXPECT_EQ(host.boxes, std::vector<std::string>{std::string(kRationalerExponent)});
}

TEST_F(SolverTest, ExponentSolverTrialsDoNotSpoilEachOther) {
    // After an inverse solve the rational trial fails silently; the trials after it must
    // still be evaluated, so m[7, 00][2, x] = 4 is found at x = 2.
    modul.ZaehlerG0 = 1;
    modul.Berechnung(1, 7, 4, 2, "001");
    EXPECT_EQ(modul.Fehlerstatus, 0);
    EXPECT_EQ(modul.Ergebnis, 2);
    EXPECT_TRUE(host.boxes.empty());

    // No sign change between two defined trials: no solution, not a stray trial value.
    modul.Zuruecksetzen();
    modul.ZaehlerG0 = 1;
    modul.Berechnung(1, 7, 16, 2, "001");
    EXPECT_NE(modul.Fehlerstatus, 0);
    EXPECT_EQ(modul.Meldung, kKeineLoesung);
}

TEST_F(SolverTest, FaultOfTheSolverItselfEndsItAsUndefined) {
    modul.Berechnung(1, 7, 0, 2, "000");
    EXPECT_EQ(modul.Meldung, "nicht definiert (IV)");
    EXPECT_NE(modul.Fehlerstatus, 0);
}

TEST_F(SolverTest, HaltEndsEverySolverLoopAtOnce) {
    struct Fall {
        const char* was;
        double (ModulRA::*solver)(Int16, Int16, double, double, std::string_view);
        Int16 n, d;
        const char* A;
    };
    const Fall faelle[] = {
        {"GegenLsg0", &ModulRA::GegenLsg0, 6, 1, "0"},
        {"GegenLsg1", &ModulRA::GegenLsg1, 7, 1, "00"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        modul.Zuruecksetzen();
        modul.anhalten();
        (modul.*f.solver)(f.n, f.d, 100, 2, f.A);
        EXPECT_EQ(modul.Fehlerstatus, 1);
        EXPECT_EQ(modul.ZaehlerBer, -1) << "no trial evaluated";
        EXPECT_EQ(modul.ZaehlerIII, 0) << "no trial evaluated";
        modul.haltZuruecknehmen();
    }
}

}  // namespace
}  // namespace staffel
