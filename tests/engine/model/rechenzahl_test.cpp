#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/model/umformung.h"
#include "engine/modul_ra.h"
#include "modul_pruefstand.h"

namespace staffel {
namespace {

// How a Rechenart reads, and the list it builds, is pinned end to end by the golden file
// rechenzahl_und_eingaben through the command line.

// -32768 has no 16-bit negative: the divisor and the reduction must not overflow.
TEST(BruchKuerzen, SixteenBitEdges) {
    EXPECT_EQ(GGT(-32768, 0), -32768);
    EXPECT_EQ(GGT(5, -32768), -1);
    for (auto [n, d, text] : {std::tuple<Int16, Int16, const char*>{4, -6, "-2/3"},
                              {-32768, -1, "-32768/-1"},
                              {0, 0, "0/0"}}) {
        EXPECT_EQ(BruchKuerzen(n, d), text);
    }
}

TEST(Umformen, NewFractionOrWhyNot) {
    using enum Umformung;
    const struct {
        Umformung art;
        Int16 n, d;
        const char* text;  // empty: refused
    } faelle[] = {
        {Kehrwert, -2, 1, "1/-2"}, {Minus1, 1, 2, "-1/2"},  {Plus1, 15, 10, "25/10"},
        {Spiegel, 3, 1, "3/2"},    {Negativ, 3, 1, "-1/2"}, {Spiegel, 2, 1, "2"},
        {Kehrwert, 0, 1, ""},      {Negativ, 1, 1, ""},     {Plus1, 32767, 1, ""},
        {Spiegel, -32768, 1, ""},  {Minus1, -32768, 1, ""},
    };
    for (const auto& fall : faelle) {
        const UmgeformterBruch neu = Umformen(fall.art, fall.n, fall.d);
        EXPECT_EQ(neu.text, fall.text) << fall.n << "/" << fall.d;
        EXPECT_EQ(neu.fehler == TextId::Keine, *fall.text != '\0') << fall.n << "/" << fall.d;
    }
}

}  // namespace
}  // namespace staffel
