#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "engine/model/umformung.h"
#include "engine/modul_ra.h"
#include "modul_pruefstand.h"

namespace staffel {
namespace {

// The reading keeps the fraction as typed, only reduced; a decimal wins over "/". That a
// refusal changes nothing is the rechenart fuzzer's property.
TEST(RechenzahlLesen, FractionOrMessage) {
    const std::string bereich =
        "Zähler und Nenner der Rechenzahl müssen zwischen -32768 und 32767 liegen!";
    const std::string stellen = "Die Rechenzahl darf höchstens vier Nachkommastellen haben!";
    const struct {
        const char *text, *bruchText;  // empty: refused with meldung
        std::string meldung;
    } faelle[] = {
        // clang-format off
        {"4/-6", "-2/3", ""}, {"  7 ", "  7 ", ""}, {"3/2.5", "3/1", ""}, {"0.01", "1/100", ""},
        {"-3.2768", "-32768/10000", ""}, {"1.5E-3", "15/10000", ""}, {"5.1234", "", bereich},
        {"-32768/-1", "", bereich}, {"1E400/2", "", bereich}, {"0.12345", "", stellen},
        {"1.5E-300", "", stellen}, {"3/0", "", std::string(deutsch(TextId::NennerNull))},
        // clang-format on
    };
    for (const auto& fall : faelle) {
        ModulRAPruefstand m;
        std::string text = fall.text;
        EXPECT_EQ(deutsch(m.RechenzahlLesen(text).value_or(TextId::Keine)), fall.meldung)
            << fall.text;
        if (fall.meldung.empty()) {
            EXPECT_EQ(m.BruchText, fall.bruchText) << fall.text;
        }
    }
}

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
    const auto bilde = [](ModulRAPruefstand& m, const char* rechenart) {
        m.RechenartText = rechenart;
        EXPECT_EQ(m.RechenzahlLesen(m.RechenartText), std::nullopt) << rechenart;
        return std::string(deutsch(
            m.AuflListeBilden(m.BruchZaehler, m.BruchNenner, m.RDezimal).value_or(TextId::Keine)));
    };
    for (const auto& fall : faelle) {
        ModulRAPruefstand m;
        ASSERT_EQ(bilde(m, "8/3"), "");
        EXPECT_EQ(bilde(m, fall.rechenart), fall.meldung) << fall.rechenart;
        EXPECT_TRUE(m.AuflListe.starts_with(*fall.liste ? fall.liste : "{ 8/3, 5/3, 2/3, 3/2 }"))
            << fall.rechenart << ": " << m.AuflListe;
        EXPECT_TRUE(m.AuflListe.ends_with(" }")) << fall.rechenart;
        EXPECT_EQ(m.AnzahlStellen, fall.stellen) << fall.rechenart;
    }
    ModulRAPruefstand m;
    EXPECT_EQ(m.AuflListeBilden(3, 0, 0), TextId::NennerNull);
}

// -32768 has no 16-bit negative: the divisor and the reduction must not overflow.
TEST(BruchKuerzen, SixteenBitEdges) {
    EXPECT_EQ(GGT(-32768, 0), -32768);
    EXPECT_EQ(GGT(5, -32768), -1);
    for (auto [n, d, text] : {std::tuple<Int16, Int16, const char*>{4, -6, "-2/3"},
                              {-32768, -1, "-32768/-1"},
                              {0, 0, "0/0"}}) {
        EXPECT_EQ(BruchKuerzen(n, d), text);
    }
}

TEST(Umformen, NewFractionOrWhyNot) {
    using enum Umformung;
    const struct {
        Umformung art;
        Int16 n, d;
        const char* text;  // empty: refused
    } faelle[] = {
        {Kehrwert, -2, 1, "1/-2"}, {Minus1, 1, 2, "-1/2"},  {Plus1, 15, 10, "25/10"},
        {Spiegel, 3, 1, "3/2"},    {Negativ, 3, 1, "-1/2"}, {Spiegel, 2, 1, "2"},
        {Kehrwert, 0, 1, ""},      {Negativ, 1, 1, ""},     {Plus1, 32767, 1, ""},
        {Spiegel, -32768, 1, ""},  {Minus1, -32768, 1, ""},
    };
    for (const auto& fall : faelle) {
        const UmgeformterBruch neu = Umformen(fall.art, fall.n, fall.d);
        EXPECT_EQ(neu.text, fall.text) << fall.n << "/" << fall.d;
        EXPECT_EQ(neu.fehler == TextId::Keine, *fall.text != '\0') << fall.n << "/" << fall.d;
    }
}

}  // namespace
}  // namespace staffel
