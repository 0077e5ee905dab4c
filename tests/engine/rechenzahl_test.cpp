#include <gtest/gtest.h>

#include <string>

#include "engine/modul_ra.h"

namespace staffel {
namespace {

struct LeseFall {
    const char* text;
    Int16 n;
    Int16 d;
    const char* bruchText;
    double wert;
    const char* textDanach;
};

TEST(RechenzahlLesen, ReadsWholeNumbersFractionsAndDecimals) {
    const LeseFall faelle[] = {
        // clang-format off
        {"8", 8, 1, "8", 8, "8"}, {"8/3", 8, 3, "8/3", 8.0 / 3, "8/3"},
        {"6/2", 3, 1, "3/1", 3, "6/2"}, {"-1/2", -1, 2, "-1/2", -0.5, "-1/2"},
        {"1,5", 15, 10, "15/10", 1.5, "1.5"}, {"3.0", 3, 1, "3/1", 3, "3.0"},
        {"0.1", 1, 10, "1/10", 0.1, "0.1"}, {"1,5,5", 15, 10, "15/10", 1.5, "1.5,5"},
        {"4/6", 2, 3, "2/3", 2.0 / 3, "4/6"}, {"4/-6", -2, 3, "-2/3", -2.0 / 3, "4/-6"},
        {"  7 ", 7, 1, "  7 ", 7, "  7 "}, {" 8 / 3", 8, 3, "8/3", 8.0 / 3, " 8 / 3"},
        {"abc", 0, 1, "abc", 0, "abc"}, {"-32768", -32768, 1, "-32768", -32768, "-32768"},
        {"32767/32766", 32767, 32766, "32767/32766", 32767.0 / 32766, "32767/32766"},
        // clang-format on
        // Both "/" and ".": the decimal reading wins.
        // clang-format off
        {"3/2.5", 3, 1, "3/1", 3, "3/2.5"}, {"1.5/2", 15, 10, "15/10", 1.5, "1.5/2"},
        {"0.01", 1, 100, "1/100", 0.01, "0.01"}, {"0.1000", 1, 10, "1/10", 0.1, "0.1000"},
        {"3.2767", 32767, 10000, "32767/10000", 3.2767, "3.2767"},
        {"-3.2768", -32768, 10000, "-32768/10000", -3.2768, "-3.2768"},
        {"-.5", -5, 10, "-5/10", -0.5, "-.5"}, {"1.5E2", 150, 1, "150/1", 150, "1.5E2"},
        {"1.5E-3", 15, 10000, "15/10000", 0.0015, "1.5E-3"},
        // clang-format on
        {".", 0, 1, "0/1", 0, "."}};
    for (const auto& fall : faelle) {
        ModulRA m;
        std::string text = fall.text;
        EXPECT_EQ(m.RechenzahlLesen(text), std::nullopt) << fall.text;
        EXPECT_EQ(m.BruchZaehler, fall.n) << fall.text;
        EXPECT_EQ(m.BruchNenner, fall.d) << fall.text;
        EXPECT_EQ(m.BruchText, fall.bruchText) << fall.text;
        EXPECT_DOUBLE_EQ(m.RDezimal, fall.wert) << fall.text;
        EXPECT_EQ(text, fall.textDanach) << fall.text;
    }
}

TEST(RechenzahlLesen, RejectsWhatDoesNotFitAndKeepsThePreviousFraction) {
    const std::string bereich =
        "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!";
    const std::string nenner = "Der Nenner der Rechenzahl darf nicht 0 sein!";
    const std::string stellen = "Die Rechenzahl darf höchstens vier Nachkommastellen haben!";
    const struct {
        const char* text;
        const std::string& meldung;
    } faelle[] = {{"40000", bereich},     {"1/40000", bereich}, {"-32769", bereich},
                  {"-32768/-1", bereich}, {"1E400", bereich},   {"1E400/2", bereich},
                  {"5.1234", bereich},    {"40000,5", bereich}, {"1.0E9", bereich},
                  {"3/0", nenner},        {"0/0", nenner},      {"3/abc", nenner},
                  {"0.12345", stellen},   {"0,00001", stellen}, {"1.5E-300", stellen}};
    for (const auto& fall : faelle) {
        ModulRA m;
        std::string vorher = "8/3";
        ASSERT_EQ(m.RechenzahlLesen(vorher), std::nullopt);
        std::string text = fall.text;
        EXPECT_EQ(m.RechenzahlLesen(text), fall.meldung) << fall.text;
        EXPECT_EQ(text, fall.text) << "text changed although refused";
        EXPECT_EQ(m.BruchZaehler, 8) << fall.text;
        EXPECT_EQ(m.BruchNenner, 3) << fall.text;
        EXPECT_EQ(m.BruchText, "8/3") << fall.text;
        EXPECT_EQ(m.RDezimal, 8.0 / 3) << fall.text;
    }
}

TEST(GGT, TakesTheSignOfTheSecondArgument) {
    const struct {
        Int16 a, b, ggt;
    } faelle[] = {{4, -6, -2},
                  {-4, 6, 2},
                  {0, 5, 5},
                  {3, 0, 3},
                  {0, 0, 0},
                  {-32768, 0, -32768},
                  {-32768, -32768, -32768},
                  {-32768, 2, 2},
                  {5, -32768, -1}};
    for (const auto& fall : faelle) {
        EXPECT_EQ(GGT(fall.a, fall.b), fall.ggt) << fall.a << ", " << fall.b;
    }
}

TEST(BruchKuerzen, ReducesWithPositiveDenominator) {
    const struct {
        Int16 n, d;
        Int16 nDanach, dDanach;
        const char* text;
    } faelle[] = {{4, -6, -2, 3, "-2/3"},
                  // clang-format off
                  {6, 2, 3, 1, "3/1"}, {2, 4, 1, 2, "1/2"}, {15, 10, 3, 2, "3/2"},
                  {0, 7, 0, 1, "0/1"}, {8, 3, 8, 3, "8/3"},
                  // clang-format on
                  // Cannot be reduced within 16 bits, or has no divisor: left as it is.
                  {-32768, -1, -32768, -1, "-32768/-1"},
                  {0, 0, 0, 0, "0/0"}};
    for (const auto& fall : faelle) {
        Int16 n = fall.n;
        Int16 d = fall.d;
        EXPECT_EQ(BruchKuerzen(n, d), fall.text);
        EXPECT_EQ(n, fall.nDanach) << fall.text;
        EXPECT_EQ(d, fall.dDanach) << fall.text;
    }
}

}  // namespace
}  // namespace staffel
