#include "engine/number_text.h"

#include <gtest/gtest.h>

#include "engine/rechnen.h"

namespace staffel {
namespace {

struct TextFall {
    double wert;
    const char* text;
};

TEST(ZahlText, WritesFifteenDigitsWithLeadingBlank) {
    const TextFall faelle[] = {
        // clang-format off
        {3, " 3"}, {-2.5, "-2.5"}, {0.5, " .5"}, {-0.5, "-.5"}, {123.25, " 123.25"},
        {0, " 0"}, {-0.0, " 0"}, {1e-5, " 1E-05"}, {0.0001, " .0001"}, {1e20, " 1E+20"},
        {1e15, " 1E+15"}, {999999999999999, " 999999999999999"},
        {1.79769313486231E+308, " 1.79769313486231E+308"},
        {-1.79769313486231E+308, "-1.79769313486231E+308"},
        {1.0 / 3.0, " .333333333333333"},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(ZahlText(fall.wert), fall.text) << fall.wert;
    }
}

struct LeseFall {
    const char* text;
    double wert;
};

TEST(ZahlLesen, FollowsTheReadingRule) {
    const LeseFall faelle[] = {
        // clang-format off
        {"1E10", 1e10}, {"10^10", 10}, {"x", 0}, {"", 0}, {"1,5", 1}, {"1.5", 1.5},
        {"8/3", 8}, {" - 2 . 5", -2.5}, {".5", 0.5}, {"-.5", -0.5},
        {"1e-3", 1e-3}, {"1E", 1}, {"1E+", 1}, {"+7", 7}, {"2x", 2}, {"1.5.5", 1.5},
        {"  7", 7}, {"1E-400", 0},
        {"0.1", 0.1}, {" 1.79769313486231E+308", 1.79769313486231E+308},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        const GelesenerWert gelesen = ZahlLesen(fall.text);
        EXPECT_EQ(gelesen.wert, fall.wert) << fall.text;
        EXPECT_FALSE(gelesen.ausserhalb) << fall.text;
    }
}

TEST(ZahlLesen, FlagsNumbersBeyondTheDoubleRange) {
    for (const char* text : {"1E400", "-1E400", "1E999999999999", "1.8E308"}) {
        EXPECT_TRUE(ZahlLesen(text).ausserhalb) << text;
    }
}

TEST(ZahlText, ReadsBackTheConstants) {
    for (double wert :
         {1.79769313486231E+308, -1.79769313486231E+308, 3.14159265358979, 2.71828182845905}) {
        EXPECT_EQ(ZahlLesen(ZahlText(wert)).wert, wert);
    }
}

TEST(KommaZuPunkt, ReplacesOnlyTheFirstComma) {
    std::string text = "1,5,5";
    EXPECT_EQ(KommaZuPunkt(text), "1.5,5");
    EXPECT_EQ(text, "1.5,5");
    EXPECT_EQ(ZahlLesen(text).wert, 1.5);
}

TEST(FormatErgebnis, AddsBlankAndLeadingZero) {
    EXPECT_EQ(FormatErgebnis(5, ""), "  5");
    EXPECT_EQ(FormatErgebnis(-5, ""), " -5");
    EXPECT_EQ(FormatErgebnis(0.5, ""), "  0.5");
    EXPECT_EQ(FormatErgebnis(-0.5, ""), " -0.5");
    EXPECT_EQ(FormatErgebnis(1.5, ""), "  1.5");
    EXPECT_EQ(FormatErgebnis(256, ""), "  256");
    EXPECT_EQ(FormatErgebnis(3, "   Berechnung angehalten!"), "    Berechnung angehalten!");
    EXPECT_EQ(FormatErgebnis(0, " ???"), "  ???");
}

}  // namespace
}  // namespace staffel
