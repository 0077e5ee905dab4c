#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

namespace staffel {
namespace {

class BerechnungTest : public ::testing::Test {
  protected:
    test::RecordingHost host;
    ModulRAPruefstand modul{&host};
};

// The rewriting rules and the recursion, where no closed form applies, with the Auflösungszahlen
// the calculate command would refuse (the golden files hold the rest).
TEST_F(BerechnungTest, RulesAndRecursion) {
    const struct {
        const char* rule;
        Int16 n, d;
        const char* A;
        double b, e, ergebnis;
        std::int64_t berechnungen, rekursionen;  // Berechnung and emIII calls in all
    } cases[] = {
        {"1: R > 5, e = 0, A ends with 1", 6, 1, "01", 3, 0, 1, 1, 0},
        {"3: 14/3 with zeros becomes 7", 14, 3, "000", 2, 3, 256, 5, 2},
        {"6: 7/5 ending in 0 becomes 7/2, e = 3", 7, 5, "00", 1.5, -1, 0.375, 2, 0},
        {"III: digit 0 brackets to the left: 3^9", 6, 1, "10", 3, 3, 19683, 3, 1},
        {"III: digit 1 brackets to the right: 3^27", 6, 1, "01", 3, 3, 7625597484987, 3, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rule);
        modul.Zuruecksetzen();
        modul.Berechnung(c.n, c.d, c.b, c.e, c.A);
        EXPECT_DOUBLE_EQ(modul.Ergebnis, c.ergebnis);
        EXPECT_EQ(modul.ZaehlerBer + 1, c.berechnungen);
        EXPECT_EQ(modul.ZaehlerIII, c.rekursionen);
        EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
        EXPECT_TRUE(modul.Meldung.empty());
    }
    EXPECT_TRUE(host.boxes.empty());
}

// How a calculation fails where the command line cannot reach (its golden answers hold the
// rest): rule 9 for R = 0 says " ???" without a box; rule 2 leaving 16 bits shows a box.
TEST_F(BerechnungTest, FailuresEndWithStatusMessageAndBox) {
    modul.Berechnung(0, 1, 2, 3, "");
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Keiner);
    EXPECT_EQ(modul.Meldung, " ???");
    EXPECT_TRUE(host.boxes.empty());
    modul.Zuruecksetzen();
    modul.Berechnung(-32768, 1, 2, 3, "");
    EXPECT_EQ(modul.Fehlerstatus, Fehler::Gemeldet);
    EXPECT_EQ(modul.Meldung, "");
    EXPECT_EQ(host.boxes, std::vector<std::string>{deutsch(TextId::UmformungUeberlauf).data()});
}

// Each limit rule makes one call, evaluated by the ordinary rules; without a rule the limit
// is unknown.
TEST(Grenzwert, EachRuleRewritesIntoOneOrdinaryCall) {
    const struct {
        Int16 n, d;
        const char* A;
        Int16 rn, rd;  // the call the rule makes, on b = 3; rn = 0: no rule
        double re;
        const char* rA;
    } faelle[] = {
        {7, 2, "10", 5, 7, 2, "1100"}, {7, 1, "01", 6, 7, 2, "0000"}, {5, 4, "00", 4, 5, 2, "100"},
        {5, 4, "01", 1, 5, 2, "00"},   {3, 4, "100", 1, 3, 3, "0"},   {1, 4, "100", 1, 3, 3, "11"},
        {3, 1, "", 0, 0, 0, ""},       {5, 4, "1", 0, 0, 0, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.n) + "/" + std::to_string(f.d) + " " + f.A);
        test::RecordingHost grenzHost, gewoehnlichHost;
        ModulRAPruefstand grenz(&grenzHost), gewoehnlich(&gewoehnlichHost);
        grenz.GrenzwertModus = true;
        grenz.Berechnung(f.n, f.d, 3, 12345, f.A);
        if (f.rn != 0) gewoehnlich.Berechnung(f.rn, f.rd, 3, f.re, f.rA);
        EXPECT_EQ(grenz.ZaehlerBer, gewoehnlich.ZaehlerBer + 1);
        EXPECT_EQ(grenz.Meldung, f.rn != 0 ? gewoehnlich.Meldung : " Grenzwert??");
        EXPECT_EQ(grenz.Fehlerstatus, f.rn != 0 ? gewoehnlich.Fehlerstatus : Fehler::Gemeldet);
        EXPECT_EQ(grenz.Ergebnis, gewoehnlich.Ergebnis);
        EXPECT_EQ(grenzHost.boxes.size(), gewoehnlichHost.boxes.size() + (f.rn == 0));
    }
}

}  // namespace
}  // namespace staffel
