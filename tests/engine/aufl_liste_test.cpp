#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

// Reads the Rechenart text as the calculate command does, then builds the list.
std::optional<std::string> listeBilden(ModulRA& m, const std::string& rechenart) {
    m.RechenartText = rechenart;
    if (auto fehler = m.RechenzahlLesen(m.RechenartText)) return fehler;
    return m.AuflListeBilden(m.BruchZaehler, m.BruchNenner, m.RDezimal);
}

TEST(AuflListeBilden, WalksTheChainOfReductions) {
    const struct {
        const char* rechenart;
        const char* liste;  // or its start, for the long ones
        Int16 stellen;
    } faelle[] = {
        {"3/2", "{ 3/2 }", 0},
        {"11/3", "{ 11/3, 8/3, 5/3, 2/3, 3/2 }", 4},
        {"1/6", "{ 1/6, 6, 5 }", 2},
        {" 7  ", "{  7  , 6, 5 }", 2},
        {"6/2", "{ 6/2 = 3 }", 0},
        {"-1.5", "{ -1.5 = -15/10 , 10/25, 25/10, 15/10, 5/10 }", 3},
        // An inverted decimal can be whole but held as a fraction: it runs down to 5.
        {"0.125", "{ 0.125 = 125/1000, 1000/125, 7, 6, 5 }", 4},
        {"0.0001", "{ 0.0001 = 1/10000, 10000, 9999,", 9996},
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        EXPECT_EQ(listeBilden(m, fall.rechenart), std::nullopt) << fall.rechenart;
        EXPECT_TRUE(m.AuflListe.starts_with(fall.liste)) << fall.rechenart << ": " << m.AuflListe;
        EXPECT_TRUE(m.AuflListe.ends_with(" }")) << fall.rechenart;
        EXPECT_EQ(m.AnzahlStellen, fall.stellen) << fall.rechenart;
    }
}

TEST(AuflListeBilden, RefusesZeroAndOverflowAndKeepsTheList) {
    const std::string sprengt =
        "Die Auflösungsliste dieser Rechenzahl sprengt den Zahlenbereich von -32768 bis 32767!";
    for (const char* rechenart : {" -0 ", "-32768", "-20000/20001"}) {
        ModulRA m;
        ASSERT_EQ(listeBilden(m, "8/3"), std::nullopt);
        EXPECT_EQ(listeBilden(m, rechenart),
                  *rechenart == ' ' ? "Die Rechenzahl darf nicht 0 sein!" : sprengt);
        EXPECT_EQ(m.AuflListe, "{ 8/3, 5/3, 2/3, 3/2 }") << rechenart;
        EXPECT_EQ(m.AnzahlStellen, 3) << rechenart;
    }
    ModulRA m;
    EXPECT_EQ(m.AuflListeBilden(3, 0, 0), texte::NennerNull);
}

TEST(AufZahlPruefen, ChecksLengthThenDigitsThenWidens) {
    const std::string laenge =
        "Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !";
    const std::string ziffer = "Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!";
    const struct {
        Int16 stellen;
        const char* a;
        const char* danach;
        const std::string* meldung;  // nullptr: accepted
    } faelle[] = {
        {3, "1", "111", nullptr}, {3, "010", "010", nullptr}, {0, "1", "", nullptr},
        {3, "01", "01", &laenge}, {3, "0a0", "0a0", &ziffer}, {3, "0a", "0a", &laenge},
        {0, "00", "00", &laenge}, {1, "", "", &laenge},       {1, "ä", "ä", &ziffer},
    };
    for (const auto& fall : faelle) {
        test::RecordingHost host;
        ModulRA m(&host);
        m.AnzahlStellen = fall.stellen;
        std::string a = fall.a;
        m.AufZahlPruefen(a);
        EXPECT_EQ(a, fall.danach) << fall.a << " / " << fall.stellen;
        EXPECT_EQ(host.boxes,
                  fall.meldung ? std::vector{*fall.meldung} : std::vector<std::string>{})
            << fall.a << " / " << fall.stellen;
        EXPECT_EQ(m.Fehlerstatus, fall.meldung ? 1 : 0) << fall.a;
    }
}

}  // namespace
}  // namespace staffel
