#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/modul_ra.h"

namespace staffel {
namespace {

const std::string kLaenge =
    "Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !";
const std::string kZiffer = "Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!";

class MeldungsSammler : public EngineHost {
  public:
    void zeigeMeldung(const std::string& text) override { meldungen.push_back(text); }
    std::vector<std::string> meldungen;
};

struct PruefFall {
    Int16 stellen;
    const char* a;
    const char* danach;
    const std::string* meldung;  // nullptr: accepted
};

TEST(AufZahlPruefen, ChecksLengthThenDigitsThenPads) {
    const PruefFall faelle[] = {
        {3, "0", "000", nullptr},     {3, "1", "111", nullptr},      {3, "010", "010", nullptr},
        {3, "01", "01", &kLaenge},    {3, "0a0", "0a0", &kZiffer},   {3, "0a", "0a", &kLaenge},
        {0, "0", "", nullptr},        {0, "1", "", nullptr},         {0, "", "", nullptr},
        {0, "00", "00", &kLaenge},    {1, "0", "0", nullptr},        {1, "1", "1", nullptr},
        {1, "2", "2", &kZiffer},      {1, "", "", &kLaenge},         {1, "ä", "ä", &kZiffer},
        {4, "0110", "0110", nullptr}, {4, "01 0", "01 0", &kZiffer}, {2, "x", "x", &kLaenge},
    };
    for (const auto& fall : faelle) {
        MeldungsSammler host;
        ModulRA m(&host);
        m.AnzahlStellen = fall.stellen;
        std::string a = fall.a;
        m.AufZahlPruefen(a);
        EXPECT_EQ(a, fall.danach) << fall.a << " / " << fall.stellen;
        if (fall.meldung == nullptr) {
            EXPECT_TRUE(host.meldungen.empty()) << fall.a << " / " << fall.stellen;
            EXPECT_EQ(m.Fehlerstatus, 0) << fall.a;
        } else {
            EXPECT_EQ(host.meldungen, std::vector<std::string>{*fall.meldung})
                << fall.a << " / " << fall.stellen;
            EXPECT_EQ(m.Fehlerstatus, 1) << fall.a;
        }
    }
}

TEST(AufZahlAuffuellen, PadsOnlyOneDigitShortForms) {
    const struct {
        Int16 stellen;
        const char* a;
        const char* danach;
    } faelle[] = {
        {3, "0", "000"}, {3, "1", "111"}, {0, "0", ""}, {0, "1", ""},  {1, "0", "0"},
        {5, "00", "00"}, {5, "01", "01"}, {2, "", ""},  {2, "x", "x"}, {-2, "0", "0"},
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        m.AnzahlStellen = fall.stellen;
        std::string a = fall.a;
        EXPECT_EQ(m.AufZahlAuffuellen(a), fall.danach) << fall.a << " / " << fall.stellen;
        EXPECT_EQ(a, fall.danach);
    }
}

TEST(AufZahlKippen, FlipsTheLastDigit) {
    const struct {
        const char* a;
        const char* gekippt;
    } faelle[] = {
        {"0110", "0111"}, {"1", "0"}, {"0", "1"}, {"", ""}, {"01x", ""}, {"10", "11"},
    };
    for (const auto& fall : faelle) {
        EXPECT_EQ(AufZahlKippen(fall.a), fall.gekippt) << fall.a;
    }
}

}  // namespace
}  // namespace staffel
