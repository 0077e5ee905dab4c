#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/modul_ra.h"
#include "engine/umformung.h"

namespace staffel {
namespace {

TEST(RechenzahlLesen, ReadsWholeNumbersFractionsAndDecimals) {
    const struct {
        const char* text;
        Int16 n, d;
        const char* bruchText;
        const char* textDanach;  // the first comma becomes a point
    } faelle[] = {
        {"6/2", 3, 1, "3/1", "6/2"},
        {"4/-6", -2, 3, "-2/3", "4/-6"},
        {"1,5,5", 15, 10, "15/10", "1.5,5"},
        {"  7 ", 7, 1, "  7 ", "  7 "},
        {"-32768", -32768, 1, "-32768", "-32768"},
        {"3/2.5", 3, 1, "3/1", "3/2.5"},  // both "/" and ".": the decimal reading wins
        {"0.01", 1, 100, "1/100", "0.01"},
        {"0.1000", 1, 10, "1/10", "0.1000"},
        {"-3.2768", -32768, 10000, "-32768/10000", "-3.2768"},
        {"1.5E-3", 15, 10000, "15/10000", "1.5E-3"},
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        std::string text = fall.text;
        EXPECT_EQ(m.RechenzahlLesen(text), std::nullopt) << fall.text;
        EXPECT_EQ(m.BruchZaehler, fall.n) << fall.text;
        EXPECT_EQ(m.BruchNenner, fall.d) << fall.text;
        EXPECT_EQ(m.BruchText, fall.bruchText) << fall.text;
        EXPECT_DOUBLE_EQ(m.RDezimal, static_cast<double>(fall.n) / fall.d) << fall.text;
        EXPECT_EQ(text, fall.textDanach) << fall.text;
    }
}

TEST(RechenzahlLesen, RefusesWhatDoesNotFitAndKeepsThePreviousFraction) {
    const std::string bereich =
        "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!";
    const std::string stellen = "Die Rechenzahl darf höchstens vier Nachkommastellen haben!";
    const struct {
        const char* text;
        std::string meldung;
    } faelle[] = {
        {"40000", bereich},
        {"-32768/-1", bereich},
        {"1E400/2", bereich},
        {"5.1234", bereich},
        {"3/0", std::string(texte::NennerNull)},
        {"0.12345", stellen},
        {"1.5E-300", stellen},
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        std::string text = "8/3";
        ASSERT_EQ(m.RechenzahlLesen(text), std::nullopt);
        text = fall.text;
        EXPECT_EQ(m.RechenzahlLesen(text), fall.meldung) << fall.text;
        EXPECT_EQ(m.BruchText, "8/3") << fall.text;
        EXPECT_EQ(m.RDezimal, 8.0 / 3) << fall.text;
    }
}

// -32768 has no 16-bit negative: the divisor and the reduction must not overflow.
TEST(BruchKuerzen, SixteenBitEdges) {
    EXPECT_EQ(GGT(4, -6), -2);
    EXPECT_EQ(GGT(-32768, 0), -32768);
    EXPECT_EQ(GGT(5, -32768), -1);
    for (auto [n, d, text] : {std::tuple<Int16, Int16, const char*>{4, -6, "-2/3"},
                              {-32768, -1, "-32768/-1"},
                              {0, 0, "0/0"}}) {
        EXPECT_EQ(BruchKuerzen(n, d), text);
    }
}

TEST(Umformen, NewFractionOrWhyNot) {
    const struct {
        Umformung art;
        Int16 n, d;
        const char* text;  // empty: refused
    } faelle[] = {
        {Umformung::Kehrwert, -2, 1, "1/-2"}, {Umformung::Minus1, 1, 2, "-1/2"},
        {Umformung::Plus1, 15, 10, "25/10"},  {Umformung::Spiegel, 3, 1, "3/2"},
        {Umformung::Negativ, 3, 1, "-1/2"},   {Umformung::Plus1, -1, 2, "1/2"},
        {Umformung::Spiegel, 2, 1, "2"},      {Umformung::Kehrwert, 0, 1, ""},
        {Umformung::Negativ, 1, 1, ""},       {Umformung::Plus1, 32767, 1, ""},
        {Umformung::Spiegel, -32768, 1, ""},  {Umformung::Minus1, -32768, 1, ""},
    };
    for (const auto& fall : faelle) {
        const UmgeformterBruch neu = Umformen(fall.art, fall.n, fall.d);
        SCOPED_TRACE(std::to_string(fall.n) + "/" + std::to_string(fall.d));
        EXPECT_EQ(neu.text, fall.text);
        EXPECT_EQ(neu.fehler.empty(), *fall.text != '\0');
    }
}

}  // namespace
}  // namespace staffel
