#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/checked_arithmetic.h"
#include "engine/closed_form_cases.h"
#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

// One operation m[n/d, A][b, e].
struct Op {
    Int16 n;
    Int16 d;
    const char* A;
    double b;
    double e;
};

std::string describe(const Op& op) {
    return "m[" + std::to_string(op.n) + "/" + std::to_string(op.d) + ", \"" + op.A + "\"][" +
           std::to_string(op.b) + ", " + std::to_string(op.e) + "]";
}

class NARechartTest : public ::testing::Test {
  protected:
    double run(const Op& op) { return modul.NARechart(op.n, op.d, op.b, op.e, op.A); }

    test::RecordingHost host;
    ModulRA modul{&host};
};

struct RecognitionCase {
    Int16 n;
    Int16 d;
    const char* A;
    int number;
};

TEST(ClosedFormCase, PicksTheFirstCaseWhoseRechenzahlAndDigitsMatch) {
    const RecognitionCase cases[] = {
        {3, 1, "101", 3}, {2, 3, "1", 13},     {10, 6, "01", 4},    {8, 3, "110", 25},
        {8, 3, "", 0},    {-5, -3, "00", 4},   {3, 8, "0", 10},     {3, 8, "0111", 11},
        {3, 8, "1", 0},   {6, 1, "0", 9},      {6, 1, "00", 0},     {5, 8, "00", 21},
        {5, 8, "0", 0},   {5, 8, "11001", 30}, {8, 13, "0001", 31}, {8, 13, "001", 0},
        {7, 1, "00", 0},  {0, 1, "", 0},       {1, 0, "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(closedFormCase(c.n, c.d, c.A), c.number) << c.n << "/" << c.d << " " << c.A;
    }
}

struct ValueCase {
    Op op;
    double value;
    const char* name;
};

// Every case once (some with a second alternative): value and name text.
TEST_F(NARechartTest, EveryCaseGivesItsValueAndName) {
    const ValueCase cases[] = {
        // clang-format off
        {{1, 1, "", 7, 3}, 7, "  Identität:  b"}, {{2, 1, "", 7, 3}, 8, "  Nachfolger:  b + 1"},
        {{3, 1, "101", 7, 3}, 10, "  Addition:  b + e"},
        {{4, 1, "", 7, 3}, 21, "  Multiplikation:  b · e"},
        {{5, 1, "", -2, 3}, -8, "  Potenzierung:  b ^ e"},
        {{1, 2, "", 7, 3}, 6, "  Vorgänger:  b - 1"},
        {{1, 3, "", 7, 3}, 4, "  Subtraktion:  b - e"},
        {{1, 4, "", 7, 2}, 3.5, "  Division:  b / e"},
        {{6, 1, "0", 2, 3}, 16, "  Hyper-0-Potenzierung"},
        {{3, 8, "0", 9, 2}, 3, "  Radizieren:  b ^ (1/e)"},
        {{1, 5, "1", 8, 2}, 3, "  Logarithmieren:  Loge(b)"},
        {{1, 6, "01", 16, 2}, 3, "  Loge[Loge[b]] + 1"}, {{2, 3, "1", 3, 5}, 2, "  -b + e"},
        {{5, 2, "0", 3, 5}, -9, "  (2-e)·b"}, {{5, 2, "1", 3, 4}, 0, "   0 oder b"},
        {{4, 3, "1", 3, 5}, 3, "   0 oder b"},
        // clang-format on
        {{5, 3, "10", 3, 2.5}, 3, "   0 oder b"},  // not whole, so odd
        {{3, 4, "01", 6, 3}, 0, "   2 - (b/e)"},
        {{2, 5, "00", 6, 5}, -2, "   b / (2-e)"},
        {{3, 7, "001", 0.375, 1.5}, 3, "   Log(2-e)[b/e]"},
        {{5, 4, "0", 3, 0}, 9, "   b ^ (2-e)"},
        {{8, 5, "010", -2, -1}, -8, "   b ^ (2-e)"},  // negative base, whole exponent
        // clang-format off
        {{3, 4, "00", 6, 1}, 6, "   b / (2-e)"}, {{4, 5, "00", 8, 1.5}, 64, "   b ^ (1/(2-e))"},
        {{4, 5, "01", 8, 2}, -1, "   2 - Loge[b]"}, {{6, 5, "00", 2, 0}, 4, "   b ^ (b^(1-e))"},
        {{5, 6, "001", 16, 2}, -1, "   1 - Loge[Loge[b]]"},
        {{7, 2, "00", 1.5, 3}, 0.375, "   b · (2-b)^(e-1)"},
        {{9, 4, "00", 0.25, 2}, 0.08838834764831845, "   b ^ ((2-b)^(e-1))"},
        {{7, 4, "000", 1.5, 3}, 6, "   b · (2-b)^(1-e)"},
        {{9, 5, "000", 0.5, 0}, 0.3535533905932738, "   b ^ ((2-b)^(1-e))"},
        {{4, 9, "001", 2.25, 1.5}, 0, "   Log(2-e)[Loge[b]] + 1"},
        {{4, 7, "0001", -2, -1}, 0.3690702464285426, "   1 - Log(2-e)[b/e]"},
        {{5, 9, "0001", 2.25, 1.5}, 2, "   1 - Loge[Log(2-e)[b]]"},
        {{7, 2, "10", 4, 3}, 0, "   0 oder b"}, {{7, 3, "11", 5, 3}, 5, "   0 oder b"},
        {{3, 4, "10", 7, 3}, 7, "   unbestimmt  oder  b"},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.op));
        modul.Fehlerstatus = 0;
        EXPECT_DOUBLE_EQ(run(c.op), c.value);
        EXPECT_EQ(modul.NameRechenart, c.name);
        EXPECT_EQ(modul.NAGefunden, 1);
        EXPECT_EQ(modul.Fehlerstatus, 0);
    }
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_TRUE(modul.Meldung.empty());
}

struct RejectionCase {
    Op op;
    const char* name;
    const char* message;
};

// Each domain check: the name text is written, the message goes to a box, the value is 0.
TEST_F(NARechartTest, FailedDomainCheckReportsItsMessageAndGivesZero) {
    const char* const kRationalExp = "Basis muss für rationale Exponenten positiv sein!";
    const char* const kNegativeHyper =
        "Es tritt die Potenz einer negativen Basis auf (Exponent rational)!";
    const char* const kRootBase = "Basis muss positiv sein!";
    const char* const kLogPositive = "Basis und Exponent(nicht 1!) des Log müssen positiv sein!";
    const char* const kLogBaseOne =
        " Der Logarithmus zur Basis 1 ist in diesem Fall nicht definiert!";
    const char* const kExpNotTwo = "Der Exponent muss ungleich 2 sein!";
    const char* const kExpInRange = "Der Exponent muss aus ]0;2[ und  b/e>0  sein!";
    const char* const kExpNotTwoBasePos =
        "Der Exponent muss ungleich 2 und die Basis größer als 0 sein!";
    const char* const kLogBaseAndExp =
        "Die Basis muss größer als 0, der Exponent positiv (aber ungleich 1) sein!";
    const char* const kBaseBelowTwo = "Die Basis muss kleiner als 2 sein!";
    const char* const kBaseToTwo = "Die Basis muss aus [0;2] sein!";
    const char* const kBaseAboveOne =
        "Die Basis muss größer als 1, der Exponent aus ]0;2[ ohne 1 sein!";
    const char* const kQuotient =
        "Der Quotient Basis/Exponent muss größer als 0 und der Exponent<2, aber ungleich 1 sein!";
    const RejectionCase cases[] = {
        {{5, 1, "", -8, 1.0 / 3}, "  Potenzierung:  b ^ e", kRationalExp},
        {{1, 4, "", 5, 0}, "  Division:  b / e", "Division durch Null!"},
        {{6, 1, "0", -2, 2.5}, "  Hyper-0-Potenzierung", kNegativeHyper},
        {{1, 5, "0", -8, 1}, "  Radizieren:  b ^ (1/e)", kRootBase},
        {{1, 5, "1", -1, 2}, "  Logarithmieren:  Loge(b)", kLogPositive},
        {{1, 5, "1", 2, 1}, "  Logarithmieren:  Loge(b)", kLogBaseOne},
        {{1, 6, "01", 1, 2}, "  Loge[Loge[b]] + 1", "Basis muss größer als 1 sein!"},
        {{3, 4, "01", 6, 0}, "   2 - (b/e)", "Division durch 0!"},
        {{2, 5, "00", 6, 2}, "   b / (2-e)", kExpNotTwo},
        {{3, 7, "001", 1, 2}, "   Log(2-e)[b/e]", kExpInRange},
        {{5, 4, "0", -8, 0.5}, "   b ^ (2-e)", "Die Basis sollte größer als 0 sein!"},
        {{3, 4, "00", 6, 2}, "   b / (2-e)", kExpNotTwo},
        {{4, 5, "00", -1, 1}, "   b ^ (1/(2-e))", kExpNotTwoBasePos},
        {{4, 5, "01", -1, 2}, "   2 - Loge[b]", kLogBaseAndExp},
        {{6, 5, "00", -1, 2}, "   b ^ (b^(1-e))", "Die Basis muss größer als 0 sein!"},
        {{5, 6, "001", 1, 2}, "   1 - Loge[Loge[b]]", "Die Basis muss größer als 1 sein!"},
        {{7, 2, "00", 3, 1}, "   b · (2-b)^(e-1)", kBaseBelowTwo},
        {{9, 4, "00", -1, 1}, "   b ^ ((2-b)^(e-1))", kBaseToTwo},
        {{7, 4, "000", 3, 1}, "   b · (2-b)^(1-e)", kBaseBelowTwo},
        {{9, 5, "000", -0.5, 1}, "   b ^ ((2-b)^(1-e))", kBaseToTwo},
        {{4, 9, "001", 1, 1.5}, "   Log(2-e)[Loge[b]] + 1", kBaseAboveOne},
        {{4, 7, "0001", 2, 2}, "   1 - Log(2-e)[b/e]", kQuotient},
        {{5, 9, "0001", 1, 1.5}, "   1 - Loge[Log(2-e)[b]]", kBaseAboveOne},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.op));
        host.boxes.clear();
        modul.Fehlerstatus = 0;
        modul.NameRechenart.clear();
        EXPECT_EQ(run(c.op), 0);
        EXPECT_EQ(modul.NameRechenart, c.name);
        EXPECT_EQ(host.boxes, std::vector<std::string>{c.message});
        EXPECT_EQ(modul.Fehlerstatus, 1);
        EXPECT_EQ(modul.NAGefunden, 1);
    }
}

TEST_F(NARechartTest, LogarithmOfOneToBaseOneIsUndeterminedWithoutABox) {
    modul.Fehlerstatus = 0;
    EXPECT_EQ(run({1, 5, "1", 1, 1}), 0);
    EXPECT_EQ(modul.Meldung, " unbestimmt (ganz R)");
    EXPECT_EQ(modul.Fehlerstatus, 1);
    EXPECT_EQ(modul.NAGefunden, 1);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(NARechartTest, EvenExponentInCaseThirtyThreeLeavesTheValueOpenWithoutError) {
    for (double e : {4.0, 0.0, -2.0}) {
        modul.Fehlerstatus = 0;
        modul.Meldung.clear();
        EXPECT_EQ(run({2, 5, "10", 7, e}), 0) << e;
        EXPECT_EQ(modul.Meldung, " Wert unbestimmt");
        EXPECT_EQ(modul.Fehlerstatus, 0);
        EXPECT_EQ(modul.NameRechenart, "   unbestimmt  oder  b");
    }
    EXPECT_TRUE(host.boxes.empty());
}

struct FaultCase {
    Op op;
    const char* meldung;
};

// A run-time fault gives the largest number and Fehlerstatus 4, never a box.
TEST_F(NARechartTest, RunTimeFaultEndsInTheFaultHandler) {
    const char* ueberlauf = "     |Ergebnis| > 10^308";
    const char* undefiniert = "   Nicht definiert!";
    const char* durchNull = "Division durch Null";
    const FaultCase cases[] = {
        {{5, 1, "", 10, 400}, ueberlauf},
        {{6, 1, "0", 10, 4}, ueberlauf},        // 10 ^ 1000 in the outer power
        {{1, 5, "1", 0, 2}, undefiniert},       // logarithm of 0
        {{5, 9, "0001", 2, 2}, undefiniert},    // accepted e = 2: base 2 - e = 0
        {{4, 7, "0001", 0, 0.5}, undefiniert},  // accepted b / e = 0: logarithm of 0
        {{1, 5, "0", 8, 0}, durchNull},         // 1 / e
        {{2, 7, "001", 1, 1}, durchNull},       // LogBasis(1, 1) = 0 / 0
        {{3, 7, "001", 2, 0}, durchNull},       // b / e before the check
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.op));
        modul.Fehlerstatus = 0;
        modul.Meldung.clear();
        EXPECT_EQ(run(c.op), GroessteZahl);
        EXPECT_EQ(modul.Meldung, c.meldung);
        EXPECT_EQ(modul.Fehlerstatus, 4);
        EXPECT_EQ(modul.NAGefunden, 1);
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(NARechartTest, WithoutAClosedFormNothingIsWritten) {
    for (const Op& op : {Op{7, 1, "00", 2, 3}, Op{8, 3, "", 2, 3}}) {
        SCOPED_TRACE(describe(op));
        modul.NameRechenart = "vorher";
        EXPECT_EQ(run(op), 0);
        EXPECT_EQ(modul.NAGefunden, 0);
        EXPECT_EQ(modul.NameRechenart, "vorher");
    }
    EXPECT_EQ(modul.Fehlerstatus, 0);
}

TEST_F(NARechartTest, CountsEveryCall) {
    EXPECT_EQ(modul.ZaehlerNA, -1);
    run({5, 1, "", 2, 3});
    EXPECT_EQ(modul.ZaehlerNA, 0);
    run({7, 1, "", 2, 3});
    run({1, 4, "", 5, 0});
    EXPECT_EQ(modul.ZaehlerNA, 2);
}

struct InverseCase {
    Op inverse;  // solves for the Exponent: m[inverse][b, e] = x
    Int16 n, d;  // the forward operation m[n/d, A][e, x] must give b again
    const char* A;
};

// The inverse closed forms undo their forward forms in the Exponent.
TEST_F(NARechartTest, InverseFormsSolveTheirForwardForms) {
    const InverseCase cases[] = {
        {{4, 7, "0001", -2, -1}, 7, 4, "000"},  // 30 and 27
        {{4, 9, "001", 3, 1.5}, 9, 4, "00"},    // 29 and 26
        {{5, 9, "0001", 3, 1.5}, 9, 5, "000"},  // 31 and 28
        {{8, 13, "00001", 1.2, 1.7}, 13, 8, "0000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(describe(c.inverse));
        modul.Fehlerstatus = 0;
        const double x = run(c.inverse);
        const double b = modul.NARechart(c.n, c.d, c.inverse.e, x, c.A);
        EXPECT_NEAR(b, c.inverse.b, 1e-12 * std::abs(c.inverse.b));
        EXPECT_EQ(modul.Fehlerstatus, 0);
    }
}

TEST(CheckedArithmetic, KeepsTheFirstFault) {
    CheckedArithmetic r;
    const double q = r.div(1, 0);
    r.ln(q);
    r.pow(10, 400);
    EXPECT_EQ(r.fault(), Fault::DivisionByZero);

    CheckedArithmetic s;
    EXPECT_EQ(s.pow(-8, 3), -512);
    EXPECT_EQ(s.pow(0, 0), 1);
    EXPECT_EQ(s.mul(1e-200, 1e-200), 0);  // underflow is no fault
    EXPECT_FALSE(s.faulted());
}

}  // namespace
}  // namespace staffel
