#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

// Reads the Rechenart text as the calculate command does, then builds the list; a refused
// Rechenzahl leaves the list of 8/3.
TEST(AuflListeBilden, WalksTheChainOfReductions) {
    const std::string sprengt =
        "Die Auflösungsliste dieser Rechenzahl sprengt den Zahlenbereich von -32768 bis 32767!";
    const struct {
        const char* rechenart;
        const char* liste;  // or its start; empty: refused with meldung
        Int16 stellen;
        std::string meldung;
    } faelle[] = {
        {"3/2", "{ 3/2 }", 0, ""},
        {"11/3", "{ 11/3, 8/3, 5/3, 2/3, 3/2 }", 4, ""},
        {" 7  ", "{  7  , 6, 5 }", 2, ""},
        {"6/2", "{ 6/2 = 3 }", 0, ""},
        {"-1.5", "{ -1.5 = -15/10 , 10/25, 25/10, 15/10, 5/10 }", 3, ""},
        // An inverted decimal can be whole but held as a fraction: it runs down to 5.
        {"0.125", "{ 0.125 = 125/1000, 1000/125, 7, 6, 5 }", 4, ""},
        {"0.0001", "{ 0.0001 = 1/10000, 10000, 9999,", 9996, ""},
        {" -0 ", "", 3, "Die Rechenzahl darf nicht 0 sein!"},
        {"-32768", "", 3, sprengt},
        {"-20000/20001", "", 3, sprengt},
    };
    const auto bilde = [](ModulRA& m, const char* rechenart) {
        m.RechenartText = rechenart;
        EXPECT_EQ(m.RechenzahlLesen(m.RechenartText), std::nullopt) << rechenart;
        return m.AuflListeBilden(m.BruchZaehler, m.BruchNenner, m.RDezimal).value_or("");
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        ASSERT_EQ(bilde(m, "8/3"), "");
        EXPECT_EQ(bilde(m, fall.rechenart), fall.meldung) << fall.rechenart;
        EXPECT_TRUE(m.AuflListe.starts_with(*fall.liste ? fall.liste : "{ 8/3, 5/3, 2/3, 3/2 }"))
            << fall.rechenart << ": " << m.AuflListe;
        EXPECT_TRUE(m.AuflListe.ends_with(" }")) << fall.rechenart;
        EXPECT_EQ(m.AnzahlStellen, fall.stellen) << fall.rechenart;
    }
    ModulRA m;
    EXPECT_EQ(m.AuflListeBilden(3, 0, 0), texte::NennerNull);
}

}  // namespace
}  // namespace staffel
