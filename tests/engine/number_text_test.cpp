#include "engine/number_text.h"

#include <gtest/gtest.h>

#include "engine/rechnen.h"

namespace staffel {
namespace {

// The number text, and the result label made from it.
TEST(ZahlText, FifteenDigitsLeadingBlankAndResultLabel) {
    const struct {
        double wert;
        const char* text;
        const char* label;
    } faelle[] = {
        {3, " 3", "  3"},
        {-2.5, "-2.5", " -2.5"},
        {0.5, " .5", "  0.5"},
        {-0.5, "-.5", " -0.5"},
        {-0.0, " 0", "  0"},
        {1e-5, " 1E-05", "  1E-05"},
        {1e15, " 1E+15", "  1E+15"},
        {999999999999999, " 999999999999999", "  999999999999999"},
        {-1.79769313486231E+308, "-1.79769313486231E+308", " -1.79769313486231E+308"},
        {1.0 / 3.0, " .333333333333333", "  0.333333333333333"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ZahlText(fall.wert), fall.text) << fall.wert;
        EXPECT_EQ(FormatErgebnis(fall.wert, ""), fall.label) << fall.wert;
    }
    EXPECT_EQ(FormatErgebnis(3, "   Berechnung angehalten!"), "    Berechnung angehalten!");
}

TEST(ZahlLesen, FollowsTheReadingRule) {
    const struct {
        const char* text;
        double wert;
        bool ausserhalb;
    } faelle[] = {
        {"1E10", 1e10, false}, {"10^10", 10, false},
        {"x", 0, false},       {"1,5", 1, false},
        {"8/3", 8, false},     {" - 2 . 5", -2.5, false},
        {"-.5", -0.5, false},  {"1E+", 1, false},
        {"1.5.5", 1.5, false}, {"1E-400", 0, false},
        {"1E400", 0, true},    {"-1E999999999999", 0, true},
        {"1.8E308", 0, true},  {" 1.79769313486231E+308", 1.79769313486231E+308, false},
    };
    for (const auto& fall : faelle) {
        const GelesenerWert gelesen = ZahlLesen(fall.text);
        EXPECT_EQ(gelesen.wert, fall.wert) << fall.text;
        EXPECT_EQ(gelesen.ausserhalb, fall.ausserhalb) << fall.text;
    }
}

}  // namespace
}  // namespace staffel
