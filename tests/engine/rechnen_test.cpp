#include "engine/rechnen.h"

#include <gtest/gtest.h>

#include "recording_host.h"

namespace staffel {
namespace {

TEST(Rechne, StopsAtTheFirstRefusedStep) {
    const char* const fehlt = "Erst EINGABE , dann BERECHNUNG !";
    const struct {
        RechenEingabe eingabe;
        RechenAusgang ausgang;
        const char* box;  // message box shown, or nullptr
    } faelle[] = {
        {{"", "0", "1", "2"}, RechenAusgang::EingabeFehlt, fehlt},
        {{"3", "0", "", "2"}, RechenAusgang::EingabeFehlt, fehlt},
        {{"3/0", "0", "1", "2"}, RechenAusgang::RechenzahlAbgelehnt, texte::NennerNull.data()},
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
        {{"1/5", "1", "X", "2"}, RechenAusgang::Graph, nullptr},
        // A refused A in graph mode ends silently.
        {{"8", "01", "x", "2"}, RechenAusgang::AufZahlAbgelehnt, nullptr},
    };
    for (const auto& fall : faelle) {
        test::RecordingHost host;
        ModulRA modul(&host);
        const RechenAnzeige anzeige = Rechne(modul, fall.eingabe);
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.basis);
        EXPECT_EQ(anzeige.ausgang, fall.ausgang);
        EXPECT_FALSE(anzeige.gueltig);
        EXPECT_EQ(host.boxes,
                  fall.box ? std::vector<std::string>{fall.box} : std::vector<std::string>{});
        if (fall.ausgang == RechenAusgang::Graph) {
            EXPECT_EQ(modul.FormelText, "m[1/5 , 1][x , 2]");
        }
    }
}

}  // namespace
}  // namespace staffel
