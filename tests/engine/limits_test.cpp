#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

constexpr std::string_view kUnbekannt = " In diesem Fall ist der Grenzwert unbekannt!";

class LimitTest : public ::testing::Test {
  protected:
    void SetUp() override { modul.GrenzwertModus = true; }
    test::RecordingHost host;
    ModulRA modul{&host};
};

// Each rule makes exactly one call, evaluated by the ordinary rules: the limit's outcome
// is the outcome of that call made outside the limit mode.
TEST_F(LimitTest, RulesRewriteIntoOneOrdinaryCall) {
    struct Fall {
        const char* regel;
        Int16 n, d;
        const char* A;
        double b;
        Int16 rn, rd;  // the call the rule makes
        double rb, re;
        const char* rA;
    };
    const Fall faelle[] = {
        // clang-format off
        {"L1", 4, 1, "0", 2, 3, 4, 2, 2, "100"}, {"L1 longer A", 7, 2, "10", 3, 5, 7, 3, 2, "1100"},
        {"L2", 7, 1, "01", 2, 6, 7, 2, 2, "0000"}, {"L3", 5, 4, "00", 2, 4, 5, 2, 2, "100"},
        {"L4", 5, 4, "01", 3, 1, 5, 3, 2, "00"}, {"L5", 3, 4, "100", 2, 1, 3, 2, 2, "0"},
        {"L6", 1, 4, "100", 3, 1, 3, 3, 3, "11"},
        // clang-format on
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.regel);
        modul.Zuruecksetzen();
        modul.GrenzwertModus = true;
        modul.Berechnung(f.n, f.d, f.b, 12345, f.A);

        test::RecordingHost gewoehnlichHost;
        ModulRA gewoehnlich(&gewoehnlichHost);
        gewoehnlich.Berechnung(f.rn, f.rd, f.rb, f.re, f.rA);

        EXPECT_NE(modul.Meldung, " Grenzwert??");
        EXPECT_EQ(modul.ZaehlerBer, gewoehnlich.ZaehlerBer + 1) << "one call more: the rule";
        EXPECT_EQ(modul.Fehlerstatus, gewoehnlich.Fehlerstatus);
        EXPECT_EQ(modul.Meldung, gewoehnlich.Meldung);
        if (gewoehnlich.Fehlerstatus == 0) {
            EXPECT_EQ(modul.Ergebnis, gewoehnlich.Ergebnis);
        }
        EXPECT_EQ(host.boxes, gewoehnlichHost.boxes);
    }
}

TEST_F(LimitTest, NoRuleMeansUnknownLimit) {
    struct Fall {
        const char* was;
        Int16 n, d;
        const char* A;
    };
    const Fall faelle[] = {
        // clang-format off
        {"R = 3", 3, 1, ""}, {"R = 3/2", 3, 2, "0"}, {"R = 1/2", 1, 2, "00"},
        {"1/3 with A not ending in 00", 1, 3, "0"}, {"L4 with a one-digit A", 5, 4, "1"},
        {"R > 2 without a digit", 7, 1, ""}, {"negative R", -3, 1, "00"},
        // clang-format on
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        modul.Zuruecksetzen();
        host.boxes.clear();
        modul.GrenzwertModus = true;
        const double vorher = modul.Ergebnis = 42;
        modul.Berechnung(f.n, f.d, 2, 1, f.A);
        EXPECT_EQ(modul.Meldung, " Grenzwert??");
        EXPECT_EQ(modul.Fehlerstatus, 1);
        EXPECT_EQ(modul.ZaehlerBer, 0) << "the one call, nothing nested";
        EXPECT_EQ(modul.Ergebnis, vorher) << "the limit rules never write the result";
        EXPECT_EQ(host.boxes, std::vector<std::string>{std::string(kUnbekannt)});
    }
}

TEST_F(LimitTest, UnknownLimitIsSilentWhileAGraphIsDrawn) {
    modul.BasisText = "x";
    modul.Berechnung(3, 1, 2, 1, "");
    EXPECT_EQ(modul.Meldung, " Grenzwert??");
    EXPECT_EQ(modul.Fehlerstatus, 1);
    EXPECT_TRUE(host.boxes.empty());
}

}  // namespace
}  // namespace staffel
