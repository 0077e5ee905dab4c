#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

class BerechnungTest : public ::testing::Test {
  protected:
    test::RecordingHost host;
    ModulRA modul{&host};
};

TEST_F(BerechnungTest, FirstTopLevelCallShowsCountZero) {
    EXPECT_EQ(modul.ZaehlerBer, -1);
    EXPECT_EQ(modul.ZaehlerNA, -1);
    modul.Berechnung(3, 1, 3, 4, "101");
    EXPECT_EQ(modul.Ergebnis, 7);
    EXPECT_EQ(modul.NameRechenart, "  Addition:  b + e");
    EXPECT_EQ(modul.ZaehlerBer, 0);
    EXPECT_EQ(modul.ZaehlerNA, 0);
    EXPECT_EQ(modul.RechenzahlWert, 3);
}

struct RuleCase {
    const char* rule;
    Int16 n, d;
    const char* A;
    double b, e, ergebnis;
    std::int64_t berechnungen, rekursionen;  // Berechnung and emIII calls in all
};

TEST_F(BerechnungTest, RulesRewriteWhereNoClosedFormApplies) {
    const RuleCase cases[] = {
        {"1: R > 5, e = 0, A ends with 1", 6, 1, "01", 3, 0, 1, 1, 0},
        {"2: -1 becomes 1/2", -1, 1, "", 7, 3, 6, 2, 0},
        {"3: 14/3 with zeros becomes 7", 14, 3, "000", 2, 3, 256, 5, 2},
        {"4: R > 4 whole, e = 0", 7, 1, "10", 3, 0, 1, 1, 0},
        {"4: 7/2 becomes 2/5 with e = b", 7, 2, "01", 3, 0, 1, 2, 0},
        {"5: 7/2 becomes 7/5, e = 3, A = 010", 7, 2, "01", 2, -1, 1.5, 4, 1},
        {"6: 7/5 ending in 0 becomes 7/2, e = 3", 7, 5, "00", 1.5, -1, 0.375, 2, 0},
        {"7: b = 2, e = 2", 7, 2, "01", 2, 2, 4, 1, 0},
        {"7: e = 1", 7, 2, "01", 5, 1, 5, 1, 0},
        {"7: R > 4, b = 1", 7, 1, "00", 1, 9, 1, 1, 0},
        {"7: recursion", 7, 1, "00", 2, 3, 256, 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        modul.Zuruecksetzen();
        modul.Berechnung(c.n, c.d, c.b, c.e, c.A);
        EXPECT_DOUBLE_EQ(modul.Ergebnis, c.ergebnis);
        EXPECT_EQ(modul.ZaehlerBer + 1, c.berechnungen);
        EXPECT_EQ(modul.ZaehlerIII, c.rekursionen);
        EXPECT_EQ(modul.Fehlerstatus, 0);
        EXPECT_TRUE(modul.Meldung.empty());
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(BerechnungTest, RuleThreeSetsTheStepCountOfTheWholeRechenzahl) {
    modul.Berechnung(14, 3, 2, 3, "000");
    EXPECT_EQ(modul.AnzahlStellen, 2);
    EXPECT_EQ(modul.Ergebnis, 256);
}

TEST_F(BerechnungTest, RuleFourAndSixReachTheirClosedForms) {
    modul.Berechnung(7, 2, 3, 0, "01");
    EXPECT_EQ(modul.NameRechenart, "   2 - (b/e)");
    EXPECT_EQ(modul.RechenzahlWert, 2.0 / 5);

    modul.Berechnung(7, 5, 1.5, -1, "00");
    EXPECT_EQ(modul.NameRechenart, "   b · (2-b)^(e-1)");
}

TEST_F(BerechnungTest, RuleEightHandsProperFractionsToTheInversion) {
    modul.Berechnung(1, 7, 2, 3, "0");
    EXPECT_EQ(modul.ZaehlerIV, 1);
    EXPECT_EQ(modul.ZaehlerG0, 1);
}

TEST_F(BerechnungTest, RuleNineHasNoCodeForZero) {
    modul.Berechnung(0, 1, 2, 3, "");
    EXPECT_EQ(modul.Ergebnis, 0);
    EXPECT_EQ(modul.NameRechenart, "  derzeit ohne Code");
    EXPECT_EQ(modul.Meldung, " ???");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(BerechnungTest, ClosedFormErrorIsTheResult) {
    modul.Berechnung(1, 4, 5, 0, "");
    EXPECT_EQ(modul.Ergebnis, 0);
    EXPECT_EQ(modul.Fehlerstatus, 1);
    EXPECT_EQ(host.boxes, std::vector<std::string>{"Division durch Null!"});

    modul.Zuruecksetzen();
    modul.Berechnung(5, 1, 10, 400, "");
    EXPECT_EQ(modul.Ergebnis, GroessteZahl);
    EXPECT_EQ(modul.Fehlerstatus, 4);
    EXPECT_EQ(modul.Meldung, "     |Ergebnis| > 10^308");
}

TEST_F(BerechnungTest, SixteenBitOverflowOfARuleIsReported) {
    modul.Berechnung(-32768, 1, 2, 3, "");
    EXPECT_EQ(modul.Fehlerstatus, 1);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_NE(host.boxes[0].find("32767"), std::string::npos);
}

TEST_F(BerechnungTest, FehlerMeldungShowsABoxEachTimeAndKeepsAnEarlierErrorCode) {
    modul.FehlerMeldung("eins");
    EXPECT_EQ(modul.Fehlerstatus, 1);
    modul.Fehlerstatus = 3;
    modul.FehlerMeldung("zwei");
    EXPECT_EQ(host.boxes, (std::vector<std::string>{"eins", "zwei"}));
    EXPECT_EQ(modul.Fehlerstatus, 3);
}

TEST_F(BerechnungTest, FehlerMeldungIsSilentWhileAGraphIsDrawnOrAfterAnInverseSolve) {
    const auto graphBasis = [](ModulRA& m) { m.BasisText = "x"; };
    const auto graphExponent = [](ModulRA& m) { m.ExponentText = "x"; };
    const auto nachLoesung = [](ModulRA& m) { m.ZaehlerG0 = 1; };
    for (const auto& vorbereiten : {+graphBasis, +graphExponent, +nachLoesung}) {
        ModulRA m(&host);
        vorbereiten(m);
        m.Fehlerstatus = 3;
        m.FehlerMeldung("still");
        EXPECT_EQ(m.Fehlerstatus, 1);
    }
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace staffel
