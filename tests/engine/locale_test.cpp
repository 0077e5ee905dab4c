// A German locale makes the C library write "0,5" and stop reading "1.5" at the point; the
// number rules and the calculate command must not notice.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/graph_pass.h"
#include "engine/number_text.h"
#include "engine/rechnen.h"

namespace staffel {
namespace {

// The window and the CLI take their locale from the environment through Qt; so does this
// program, and a run under LC_ALL=de_DE.UTF-8 puts every engine test under that locale.
[[maybe_unused]] const bool kLocaleAusUmgebung = std::setlocale(LC_ALL, "") != nullptr;

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
        ModulRA modul;
        EXPECT_EQ(Rechne(modul, eingabe).ergebnisText, ergebnis) << eingabe.rechenart;
    }
    std::setlocale(LC_ALL, vorher.c_str());
}

}  // namespace
}  // namespace staffel
