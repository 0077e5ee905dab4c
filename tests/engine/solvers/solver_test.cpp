#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "engine/run/halt_watchdog.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

namespace staffel {
namespace {

constexpr std::string_view kKeineLoesung = " keine Lösung!    (IV)";
constexpr std::string_view kRationalerExponent =
    " In der Berechnung (Regel III) tritt ein rationaler Exponent auf!";

class SolverTest : public ::testing::Test {
  protected:
    test::RecordingHost host;
    ModulRAPruefstand modul{&host};
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
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_NEAR(modul.Ergebnis, 3, 1e-12);
    EXPECT_TRUE(modul.NameRechenart.starts_with(" Gegenrechenart von")) << modul.NameRechenart;
    EXPECT_EQ(vorkommen(modul.NameRechenart, "Gegenrechenart"), 1);
    EXPECT_EQ(modul.ZaehlerIV, 1);
    EXPECT_EQ(modul.ZaehlerG0, 1);
    EXPECT_TRUE(modul.Meldung.empty());

    // The last trial of this inverse ends in an inverse of its own: the name is prefixed once.
    modul.Berechnung(-4, 7, 0.5, 4, "000000");
    EXPECT_EQ(vorkommen(modul.NameRechenart, "Gegenrechenart"), 1) << modul.NameRechenart;
}

TEST_F(SolverTest, ExactSupportPointHitReturnsTheFirstInIndexOrder) {
    // x^2 = 4 holds at -2 and at 2; -2 comes first and is returned without bisection. The
    // bisection counter starts at zero for every solve.
    modul.ZaehlerG00 = 77;
    modul.ZaehlerG11 = 77;
    EXPECT_EQ(modul.emIV(1, 5, 4, 2, "0"), -2);
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
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
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_NEAR(x, 10.0 / 3, 1e-12);
}

TEST_F(SolverTest, LastRunEndsAtTenWhenTheLargestPointIsDefined) {
    // sqrt(x) = 3 is bracketed by 5 and 10; sqrt(x) = 4.5 (x = 20.25) lies above the run's
    // end at 10: only the follow-up search, among the support values above 10, finds it.
    EXPECT_NEAR(modul.GegenLsg0(5, 1, 3, 0.5, ""), 9, 1e-12);
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);

    modul.Zuruecksetzen();
    EXPECT_NEAR(modul.GegenLsg0(5, 1, 4.5, 0.5, ""), 20.25, 1e-12);
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_EQ(modul.Meldung, "");
}

TEST_F(SolverTest, NoFalseSolutionAtTheEdgeOfDefinedness) {
    // x^x never falls below about 0.69; the edge search ends near 143.016, where x^x
    // overflows. That point is defined but does not solve the equation.
    modul.Berechnung(1, 6, 0.5, 2, "00");
    EXPECT_NE(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_EQ(modul.Meldung, kKeineLoesung);
    EXPECT_EQ(modul.Ergebnis, 0);
    EXPECT_TRUE(host.boxes.empty()) << "reported silently once an inverse solve has run";
}

bool erfuelltVorwaerts(ModulRAPruefstand& vorwaerts, double wert, double b) {
    return vorwaerts.Fehlerstatus == Fehler::Keiner &&
           std::fabs(wert - b) <= 4e-11 * std::max(1.0, std::fabs(b));
}

// Inverses with their solution (NaN: none the search can reach), each checked against the
// forward operation it solves for the Basis, where that is a plain R (vn != 0).
TEST_F(SolverTest, InversesGiveTheirSolutionOrNone) {
    const double keine = std::nan("");
    struct Fall {
        Int16 n, d;  // the inverse's Rechenzahl
        const char* A;
        double b, e, loesung;
        Int16 vn, vd;  // the forward operation
        const char* vA;
    };
    const Fall faelle[] = {
        {1, 6, "00", 0.8, 2, 0.094649710864923, 6, 1, "0"},
        {1, 6, "00", 7, 3, 1.81053349143175, 6, 1, "0"},
        {1, 6, "10", 50, 2, 3.28726219535557, 6, 1, "1"},
        {1, 7, "000", 27, 2, 2.45156882579435, 7, 1, "00"},
        {2, 7, "000", 5, 2, keine, 0, 0, ""},
        {1, 6, "00", 2, 0.5, 4, 6, 1, "0"},
        // Beyond |x| = 32 the bisection ends where doubles run out.
        {1, 6, "00", 1e50, 2, 32.9431683722995, 6, 1, "0"},
        {1, 6, "00", 1e100, 2, 56.9612484322608, 6, 1, "0"},
        {1, 6, "00", 1e300, 2, 139.82251981239, 6, 1, "0"},
        // A first sign change across a jump of the operation, then a true root.
        {2, 7, "100", -4.5, 10, -4.5, 7, 2, "10"},
        {3, 7, "100", -0.9713042153982815, 5, -0.9713042153982815, 7, 3, "10"},
        {3, 7, "100", 6, 4, keine, 7, 3, "10"},  // m(6) = 0: only jumps near 6 and 10
        // The root of an earlier run survives a later run without a sign change.
        {4, 5, "10", -3.5, 5, -3.5, 5, 4, "1"},
        {-1, 4, "10", -3.5, -1, -2.0 / 7, 0, 0, ""},
        {2, 9, "0010", 2.5, -1, 0.610609316665062, 9, 2, "001"},
        // Nested solves in the trials do not cut the run loop short.
        {1, 6, "0000", 0.5, -10, 0.866493984146066, 6, 1, "000"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message()
                     << f.n << "/" << f.d << " " << f.A << " " << f.b << " " << f.e);
        ModulRAPruefstand inverse, vorwaerts;
        inverse.Berechnung(f.n, f.d, f.b, f.e, f.A);
        if (std::isnan(f.loesung)) {
            EXPECT_EQ(inverse.Meldung, kKeineLoesung);
            EXPECT_NE(inverse.Fehlerstatus, Fehler::Keiner);
            continue;
        }
        ASSERT_EQ(inverse.Fehlerstatus, Fehler::Keiner) << inverse.Meldung;
        const double x = inverse.Ergebnis;
        EXPECT_NEAR(x, f.loesung, 1e-9 * std::max(1.0, std::fabs(f.loesung)));
        if (f.vn == 0) continue;
        vorwaerts.Berechnung(f.vn, f.vd, x, f.e, f.vA);
        EXPECT_TRUE(erfuelltVorwaerts(vorwaerts, vorwaerts.Ergebnis, f.b))
            << x << " gives " << vorwaerts.Ergebnis;
    }
}

// Generated inverses: whatever a solver returns as valid solves its forward equation. The
// halt budget cuts short the rare trial that starts an endless recursion.
TEST_F(SolverTest, GeneratedInversesSolveTheirEquationOrHalt) {
    std::mt19937 zufall(20261206);
    const double werte[] = {0, 1, -1, 2, -2, 0.5, -0.5, 3, 10, -10, 27, 100, 1e10, -3.5, 4.5, 0.3};
    const auto zahl = [&] {
        return zufall() % 2 ? werte[zufall() % 16]
                            : (static_cast<double>(zufall() % 2001) - 1000) / 100;
    };
    int gueltig = 0;
    HaltWatchdog budget;
    for (int fall = 0; fall < 2000; ++fall) {
        const auto d = static_cast<Int16>(2 + zufall() % 9),
                   n = static_cast<Int16>(1 + zufall() % (d - 1));
        std::string A(1 + zufall() % 4, '0');
        for (char& ziffer : A) ziffer = static_cast<char>('0' + zufall() % 2);
        const double b = zahl(), e = zahl();
        ModulRAPruefstand inverse, vorwaerts;
        inverse.ZaehlerG0 = 1;  // GegenLsg1 goes past its rational trial
        vorwaerts.ZaehlerG0 = 1;
        double x = 0;
        ASSERT_TRUE(budget.arm(inverse, std::chrono::milliseconds(50)));
        x = inverse.emIV(n, d, b, e, A);
        budget.disarm();
        if (inverse.Fehlerstatus != Fehler::Keiner || !inverse.Meldung.empty()) continue;
        ++gueltig;
        const std::string_view rest(A.data(), A.size() - 1);
        const double wert = A.back() == '0'
                                ? (vorwaerts.Berechnung(d, n, x, e, rest), vorwaerts.Ergebnis)
                                : vorwaerts.emIII(d, n, e, x, rest);
        EXPECT_TRUE(erfuelltVorwaerts(vorwaerts, wert, b))
            << n << "/" << d << " " << A << " " << b << " " << e << ": " << x;
    }
    EXPECT_GT(gueltig, 400);
}

TEST_F(SolverTest, ExponentSolverStopsAtTheRationalTrialTheFirstTime) {
    modul.Berechnung(1, 7, 4, 2, "001");
    EXPECT_EQ(modul.Fehlerstatus, Fehler::RationalerExponent);
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
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_EQ(modul.Ergebnis, 2);
    EXPECT_TRUE(host.boxes.empty());

    // No sign change between two defined trials: no solution, not a stray trial value.
    modul.Zuruecksetzen();
    modul.ZaehlerG0 = 1;
    modul.Berechnung(1, 7, 16, 2, "001");
    EXPECT_NE(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_EQ(modul.Meldung, kKeineLoesung);
}

TEST_F(SolverTest, FaultOfTheSolverItselfEndsItAsUndefined) {
    // b = 0 divides by zero in the convergence test; x^0 = 0 has no root for the follow-up
    // search to find instead.
    modul.GegenLsg0(5, 1, 0, 0, "");
    EXPECT_EQ(modul.Meldung, "nicht definiert (IV)");
    EXPECT_NE(modul.Fehlerstatus, Fehler::Keiner);
}

TEST_F(SolverTest, HaltEndsEverySolverLoopAtOnce) {
    struct Fall {
        const char* was;
        double (ModulRA::*solver)(Int16, Int16, double, double, std::string_view);
        Int16 n, d;
        const char* A;
    };
    const Fall faelle[] = {
        {"GegenLsg0", &ModulRAPruefstand::GegenLsg0, 6, 1, "0"},
        {"GegenLsg1", &ModulRAPruefstand::GegenLsg1, 7, 1, "00"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        modul.Zuruecksetzen();
        modul.anhalten();
        (modul.*f.solver)(f.n, f.d, 100, 2, f.A);
        EXPECT_EQ(modul.Fehlerstatus, Fehler::Gemeldet);
        EXPECT_EQ(modul.ZaehlerBer, -1) << "no trial evaluated";
        EXPECT_EQ(modul.ZaehlerIII, 0) << "no trial evaluated";
        modul.haltZuruecknehmen();
    }
}

}  // namespace
}  // namespace staffel
