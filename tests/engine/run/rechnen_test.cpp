#include "engine/run/rechnen.h"

#include <gtest/gtest.h>

#include "engine/modul_ra.h"
#include "engine/run/antwort.h"
#include "recording_host.h"

namespace staffel {
namespace {

// Every refusal is explained by a box, except in graph mode. The Auflösungszahl is checked
// for its length (in characters) before its digits; "0" and "1" widen to the length needed.
TEST(Rechne, StopsAtTheFirstRefusedStep) {
    const char* const fehlt = "Erst EINGABE , dann BERECHNUNG !";
    const char* const ziffer = "Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!";
    const struct {
        RechenEingabe eingabe;
        RechenAusgang ausgang;
        const char* box;  // message box shown, or nullptr
    } faelle[] = {
        {{"", "0", "1", "2"}, RechenAusgang::EingabeFehlt, fehlt},
        {{"3", "0", "", "2"}, RechenAusgang::EingabeFehlt, fehlt},
        {{"3/0", "0", "1", "2"},
         RechenAusgang::RechenzahlAbgelehnt,
         deutsch(TextId::NennerNull).data()},
        {{"8", "0a", "1", "2"},
         RechenAusgang::AufZahlAbgelehnt,
         "Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !"},
        {{"8", "0a0", "1", "2"}, RechenAusgang::AufZahlAbgelehnt, ziffer},
        {{"1/5", "ä", "1", "2"}, RechenAusgang::AufZahlAbgelehnt, ziffer},
        // A parity has no wide form: the range message stands.
        {{"5/2", "1", "1E400", "3"},
         RechenAusgang::ZahlAbgelehnt,
         "Basis und Exponent müssen zwischen -1.79769313486231E+308 und 1.79769313486231E+308 "
         "liegen!"},
        {{"8", "1", "X", "2,5,5"}, RechenAusgang::Graph, nullptr},  // the first comma only
        {{"8", "01", "x", "2"}, RechenAusgang::AufZahlAbgelehnt, nullptr},
    };
    for (const auto& fall : faelle) {
        test::RecordingHost host;
        ModulRA modul(&host);
        const Antwort anzeige = modul.rechne(fall.eingabe);
        SCOPED_TRACE(fall.eingabe.rechenart + " " + fall.eingabe.aufzahl + " " +
                     fall.eingabe.basis);
        EXPECT_EQ(anzeige.ausgang, fall.ausgang);
        EXPECT_FALSE(anzeige.gueltig);
        EXPECT_EQ(host.boxes,
                  fall.box ? std::vector<std::string>{fall.box} : std::vector<std::string>{});
        EXPECT_EQ(anzeige.meldungen, host.boxes);
        if (fall.ausgang == RechenAusgang::Graph) {
            EXPECT_EQ(anzeige.formel, "m[8 , 111][x , 2.5,5]");
        }
    }
}

}  // namespace
}  // namespace staffel
