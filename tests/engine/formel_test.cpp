#include <gtest/gtest.h>

#include <string>

#include "engine/modul_ra.h"

namespace staffel {
namespace {

TEST(FormelBilden, InsertsTheTextsAsTheyStand) {
    ModulRA m;
    m.RechenartText = "1/5";
    m.AufZahlText = "1";
    m.BasisText = "x";
    m.ExponentText = "2";
    m.FormelBilden();
    EXPECT_EQ(m.FormelText, "m[1/5 , 1][x , 2]");

    m.RechenartText = "8/3";
    m.AufZahlText = "010";
    m.BasisText = " 2";
    m.ExponentText = "x ";
    m.FormelBilden();
    EXPECT_EQ(m.FormelText, "m[8/3 , 010][ 2 , x ]");
}

TEST(NameHyperEins, NamesSixWithDigitOneOnly) {
    const struct {
        const char* rechenart;
        const char* a;
        bool benannt;
    } faelle[] = {
        {"6", "1", true},  {"12/2", "1", true}, {"6.0", "1", true},
        {"6", "0", false}, {"7", "1", false},   {"6", "11", false},
    };
    for (const auto& fall : faelle) {
        ModulRA m;
        std::string text = fall.rechenart;
        ASSERT_EQ(m.RechenzahlLesen(text), std::nullopt);
        m.AufZahlText = fall.a;
        m.NameRechenart = "vorher";
        m.NameUnbekannt = 1;
        m.NameHyperEins();
        if (fall.benannt) {
            EXPECT_EQ(m.NameRechenart, " Hyper-1-Potenzierung") << fall.rechenart << fall.a;
            EXPECT_EQ(m.NameUnbekannt, 0);
        } else {
            EXPECT_EQ(m.NameRechenart, "vorher") << fall.rechenart << fall.a;
            EXPECT_EQ(m.NameUnbekannt, 1);
        }
    }
}

}  // namespace
}  // namespace staffel
