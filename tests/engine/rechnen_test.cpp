#include "engine/rechnen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/calculation_runner.h"
#include "recording_host.h"

namespace staffel {
namespace {

struct RechenFall {
    RechenEingabe eingabe;
    RechenAusgang ausgang;
    const char* box;  // message box shown, or nullptr
};

// Values are checked end to end through the main window.
TEST(Rechne, StopsAtTheFirstRefusedStep) {
    const RechenFall faelle[] = {
        {{"", "0", "1", "2"}, RechenAusgang::EingabeFehlt, "Erst EINGABE , dann BERECHNUNG !"},
        {{"3", "0", "", "2"}, RechenAusgang::EingabeFehlt, "Erst EINGABE , dann BERECHNUNG !"},
        {{"3/0", "0", "1", "2"},
         RechenAusgang::RechenzahlAbgelehnt,
         "Der Nenner der Rechenzahl darf nicht 0 sein!"},
        {{"0", "0", "1", "2"},
         RechenAusgang::RechenzahlAbgelehnt,
         "Die Rechenzahl darf nicht 0 sein!"},
        {{"8", "01", "1", "2"},
         RechenAusgang::AufZahlAbgelehnt,
         "Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !"},
        {{"3", "0", "1E400", "2"},
         RechenAusgang::ZahlAbgelehnt,
         "Basis und Exponent müssen zwischen -1.79769313486231E+308 und 1.79769313486231E+308 "
         "liegen!"},
        {{"5", "0", "X", "2"}, RechenAusgang::Graph, nullptr},
        // A rejected A in graph mode ends silently.
        {{"8", "01", "x", "2"}, RechenAusgang::AufZahlAbgelehnt, nullptr},
    };
    for (const auto& fall : faelle) {
        test::RecordingHost host;
        ModulRA modul(&host);
        const RechenAnzeige anzeige = Rechne(modul, fall.eingabe);
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.basis);
        EXPECT_EQ(anzeige.ausgang, fall.ausgang);
        EXPECT_FALSE(anzeige.gueltig);
        if (fall.box != nullptr) {
            ASSERT_EQ(host.boxes.size(), 1u);
            EXPECT_EQ(host.boxes.front(), fall.box);
        } else {
            EXPECT_TRUE(host.boxes.empty());
        }
    }
}

TEST(Rechne, GraphCaseBuildsTheFormulaWithLowerCaseX) {
    ModulRA modul;
    const RechenAnzeige anzeige = Rechne(modul, {"1/5", "1", "X", "2"});
    EXPECT_EQ(anzeige.ausgang, RechenAusgang::Graph);
    EXPECT_EQ(modul.FormelText, "m[1/5 , 1][x , 2]");
}

TEST(Rechne, AHaltBelongsToTheRunItStopped) {
    ModulRA modul;
    const RechenEingabe lang{"6", "1", "1.2", "1000000000"};
    modul.anhalten();  // stands for "#" pressed during the run
    RechenAnzeige anzeige;
    CalculationRunner::runBlocking([&] { anzeige = Rechne(modul, lang); });
    EXPECT_EQ(anzeige.ergebnisText, "    Berechnung angehalten!");
    EXPECT_FALSE(anzeige.gueltig);

    modul.haltZuruecknehmen();
    CalculationRunner::runBlocking([&] { anzeige = Rechne(modul, {"6", "1", "1.2", "3"}); });
    EXPECT_EQ(anzeige.ergebnisText, FormatErgebnis(std::pow(1.2, std::pow(1.2, 1.2)), ""));
    EXPECT_TRUE(anzeige.gueltig);
}

}  // namespace
}  // namespace staffel
