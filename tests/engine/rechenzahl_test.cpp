#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/modul_ra.h"
#include "engine/umformung.h"

namespace staffel {
namespace {

// The reading keeps the fraction as typed, only reduced; a decimal wins over "/". That a
// refusal changes nothing is the rechenart fuzzer's property.
TEST(RechenzahlLesen, FractionOrMessage) {
    const std::string bereich =
        "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!";
    const std::string stellen = "Die Rechenzahl darf höchstens vier Nachkommastellen haben!";
    const struct {
        const char *text, *bruchText;  // empty: refused with meldung
        std::string meldung;
    } faelle[] = {
        // clang-format off
        {"4/-6", "-2/3", ""}, {"  7 ", "  7 ", ""}, {"3/2.5", "3/1", ""}, {"0.01", "1/100", ""},
        {"-3.2768", "-32768/10000", ""}, {"1.5E-3", "15/10000", ""}, {"5.1234", "", bereich},
        {"-32768/-1", "", bereich}, {"1E400/2", "", bereich}, {"0.12345", "", stellen},
        {"1.5E-300", "", stellen}, {"3/0", "", std::string(texte::NennerNull)},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        std::string text = fall.text;
        EXPECT_EQ(m.RechenzahlLesen(text).value_or(""), fall.meldung) << fall.text;
        if (fall.meldung.empty()) {
            EXPECT_EQ(m.BruchText, fall.bruchText) << fall.text;
        }
    }
}

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
        EXPECT_EQ(neu.fehler.empty(), *fall.text != '\0') << fall.n << "/" << fall.d;
    }
}

}  // namespace
}  // namespace staffel
