// The number rules: how numbers are written and read. A German locale makes the C library
// write "0,5" and stop reading "1.5" at the point; the rules and the calculate command must
// not notice.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/graph/graph_pass.h"
#include "engine/numbers/number_text.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "modul_pruefstand.h"

namespace staffel {
namespace {

// The window and the CLI take their locale from the environment through Qt; so does this
// program, and a run under LC_ALL=de_DE.UTF-8 puts every engine test under that locale.
[[maybe_unused]] const bool kLocaleAusUmgebung = std::setlocale(LC_ALL, "") != nullptr;

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
    // Fewer digits, the same form: a graph's corner label that must fit its margin.
    EXPECT_EQ(ZahlText(123456789.0, 4), " 1.235E+08");
    EXPECT_EQ(ZahlText(-0.000123456, 2), "-.00012");
    EXPECT_EQ(ZahlText(2.7, 0), " 3");
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

TEST(DeutscheLocale, NumberRulesAndCalculationsKeepThePoint) {
    const std::string vorher = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 not available: scripts/test compiles it with "
                        "localedef into a scratch folder and sets LOCPATH";
    }
    EXPECT_EQ(ZahlText(-1.79769313486231E+308), "-1.79769313486231E+308");
    EXPECT_TRUE(ZahlLesen("1E400").ausserhalb);
    EXPECT_EQ(graph::FeldText(0.1, true), "0.1");
    const std::pair<RechenEingabe, const char*> faelle[] = {
        {{"3", "", "1.5", "2"}, "  3.5"},       {{"5", "0", "2", "0.5"}, "  1.4142135623731"},
        {{"1/4", "0", "1", "2"}, "  0.5"},      {{"2,5", "0", "2", "3"}, " -2"},
        {{"7/2", "00", "1,5", "3"}, "  0.375"},
    };
    for (const auto& [eingabe, ergebnis] : faelle) {
        ModulRAPruefstand modul;
        EXPECT_EQ(modul.rechne(eingabe).ergebnisText, ergebnis) << eingabe.rechenart;
    }
    std::setlocale(LC_ALL, vorher.c_str());
}

}  // namespace
}  // namespace staffel
