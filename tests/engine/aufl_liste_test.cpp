#include <gtest/gtest.h>

#include <string>

#include "engine/modul_ra.h"

namespace staffel {
namespace {

// Reads the Rechenart text as the calculate command does, then builds the list.
std::optional<std::string> listeBilden(ModulRA& m, const std::string& rechenart) {
    m.RechenartText = rechenart;
    if (auto fehler = m.RechenzahlLesen(m.RechenartText)) return fehler;
    return m.AuflListeBilden(m.BruchZaehler, m.BruchNenner, m.RDezimal);
}

struct ListenFall {
    const char* rechenart;
    const char* liste;
    Int16 stellen;
};

TEST(AuflListeBilden, WalksTheChainOfReductions) {
    const ListenFall faelle[] = {
        // clang-format off
        {"3", "{ 3 }", 0}, {"8/3", "{ 8/3, 5/3, 2/3, 3/2 }", 3},
        {"11/3", "{ 11/3, 8/3, 5/3, 2/3, 3/2 }", 4}, {"3/5", "{ 3/5, 5/3, 2/3, 3/2 }", 3},
        {"8", "{ 8, 7, 6, 5 }", 3}, {"6", "{ 6, 5 }", 1}, {"1/6", "{ 1/6, 6, 5 }", 2},
        {"7/2", "{ 7/2, 5/2, 3/2 }", 2}, {"4/3", "{ 4/3, 1/3 }", 1}, {"1/5", "{ 1/5, 5 }", 1},
        {"6/2", "{ 6/2 = 3 }", 0}, {"1,5", "{ 1.5 = 15/10 }", 0},
        {"0.4", "{ 0.4 = 4/10, 10/4, 6/4, 2/4 }", 3}, {"-2", "{ -2 , 1/3 }", 0},
        {"-1/2", "{ -1/2 , 2/3, 3/2 }", 1}, {"  7", "{   7, 6, 5 }", 2},
        {"4/6", "{ 4/6 = 2/3, 3/2 }", 1},
        {"-1.5", "{ -1.5 = -15/10 , 10/25, 25/10, 15/10, 5/10 }", 3},
        {"9/2", "{ 9/2, 7/2, 5/2, 3/2 }", 3},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        EXPECT_EQ(listeBilden(m, fall.rechenart), std::nullopt) << fall.rechenart;
        EXPECT_EQ(m.AuflListe, fall.liste) << fall.rechenart;
        EXPECT_EQ(m.AnzahlStellen, fall.stellen) << fall.rechenart;
    }
}

TEST(AuflListeBilden, ResolutionNeutralValuesNeedNoStep) {
    for (const char* r : {"1", "5", "1/2", "1/4", "3/2"}) {
        ModulRA m;
        EXPECT_EQ(listeBilden(m, r), std::nullopt) << r;
        EXPECT_EQ(m.AuflListe, "{ " + std::string(r) + " }");
        EXPECT_EQ(m.AnzahlStellen, 0) << r;
    }
}

TEST(AuflListeBilden, TrimsRechenartAndBruchText) {
    ModulRA m;
    ASSERT_EQ(listeBilden(m, " 7  "), std::nullopt);
    EXPECT_EQ(m.AuflListe, "{  7  , 6, 5 }");
    EXPECT_EQ(m.RechenartText, "7");
    EXPECT_EQ(m.BruchText, "7");
}

// Inverting an unreduced decimal can give a whole number held as a fraction; it runs
// down to 5 like a whole number instead of counting down to 0/d.
TEST(AuflListeBilden, WholeValuedFractionsRunDownToFive) {
    const ListenFall faelle[] = {
        {"0.125", "{ 0.125 = 125/1000, 1000/125, 7, 6, 5 }", 4},
        {"0.05", "{ 0.05 = 5/100, 100/5, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5 }",
         16},
        {"0.2", "{ 0.2 = 2/10, 10/2 }", 1},
        {"0.02", "{ 0.02 = 2/100, 100/2, 49, 48, 47", 46},
        {"0.0001", "{ 0.0001 = 1/10000, 10000", 9996},
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        EXPECT_EQ(listeBilden(m, fall.rechenart), std::nullopt) << fall.rechenart;
        EXPECT_TRUE(m.AuflListe.starts_with(fall.liste)) << fall.rechenart << ": " << m.AuflListe;
        EXPECT_TRUE(m.AuflListe.ends_with(", 6, 5 }") || m.AuflListe == fall.liste) << m.AuflListe;
        EXPECT_EQ(m.AnzahlStellen, fall.stellen) << fall.rechenart;
    }
}

TEST(AuflListeBilden, RejectsZeroAndOverflowAndKeepsTheList) {
    const std::string null = "Die Rechenzahl darf nicht 0 sein!";
    const std::string sprengt =
        "Die Auflösungsliste dieser Rechenzahl sprengt den Zahlenbereich von -32768 bis 32767!";
    const struct {
        const char* rechenart;
        const std::string& meldung;
    } faelle[] = {
        // clang-format off
        {"0", null}, {" -0 ", null}, {"-32768", sprengt}, {"-32000/999", sprengt},
        {"-20000/20001", sprengt}, {"-32767/2", sprengt},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        ASSERT_EQ(listeBilden(m, "8/3"), std::nullopt);
        EXPECT_EQ(listeBilden(m, fall.rechenart), fall.meldung) << fall.rechenart;
        EXPECT_EQ(m.AuflListe, "{ 8/3, 5/3, 2/3, 3/2 }") << fall.rechenart;
        EXPECT_EQ(m.AnzahlStellen, 3) << fall.rechenart;
    }
}

TEST(AuflListeBilden, RejectsAZeroDenominatorBeforeDividing) {
    ModulRA m;
    EXPECT_EQ(m.AuflListeBilden(3, 0, 0), "Der Nenner der Rechenzahl darf nicht 0 sein!");
    EXPECT_EQ(m.AuflListe, "");
}

}  // namespace
}  // namespace staffel
