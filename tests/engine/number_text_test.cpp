#include "engine/number_text.h"

#include <gtest/gtest.h>

#include "engine/rechnen.h"

namespace staffel {
namespace {

// The number text, and the result label made from it.
TEST(ZahlText, FifteenDigitsLeadingBlankAndResultLabel) {
    const struct {
        double wert;
        const char *text, *label;
    } faelle[] = {
        {-2.5, "-2.5", " -2.5"},
        {0.5, " .5", "  0.5"},
        {-0.0, " 0", "  0"},
        {1e-5, " 1E-05", "  1E-05"},
        {1e15, " 1E+15", "  1E+15"},
        {999999999999999, " 999999999999999", "  999999999999999"},
        {1.0 / 3.0, " .333333333333333", "  0.333333333333333"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ZahlText(fall.wert), fall.text) << fall.wert;
        EXPECT_EQ(FormatErgebnis(fall.wert, ""), fall.label) << fall.wert;
    }
}

TEST(ZahlLesen, FollowsTheReadingRule) {
    const struct {
        const char* text;
        double wert;
        bool ausserhalb;
    } faelle[] = {
        // clang-format off
        {"10^10", 10, false}, {"1,5", 1, false}, {" - 2 . 5", -2.5, false}, {"1E+", 1, false},
        {"1.5.5", 1.5, false}, {"1E-400", 0, false}, {"1.8E308", 0, true},
        {"-1E999999999999", 0, true},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ZahlLesen(fall.text).wert, fall.wert) << fall.text;
        EXPECT_EQ(ZahlLesen(fall.text).ausserhalb, fall.ausserhalb) << fall.text;
    }
}

}  // namespace
}  // namespace staffel
