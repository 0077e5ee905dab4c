#include "engine/graph_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine/number_text.h"

namespace staffel::graph {
namespace {

std::vector<float> ganzeZahlen(int von, int bis) {
    std::vector<float> zahlen;
    for (int i = von; i <= bis; ++i) zahlen.push_back(static_cast<float>(i));
    return zahlen;
}

struct Aufzeichnung {
    std::vector<float> grob;  // evaluated samples of each pass
    std::vector<float> fein;
    std::vector<Punkt> punkte;
    std::vector<float> grobePunkte() const {
        std::vector<float> xs;
        for (const auto& p : punkte) {
            if (p.durchgang == Durchgang::Grob) xs.push_back(std::round((p.x - 8) / 9.5f) - 10);
        }
        return xs;
    }
};

Aufzeichnung zeichne(const GraphEinstellungen& g, const Auswertung& f) {
    Aufzeichnung a;
    const auto grobeAnzahl = grobeStellen(g).size();
    bool fein = grobeAnzahl == 0;
    Durchlauf(
        g,
        [&](float x) {
            (fein ? a.fein : a.grob).push_back(x);
            if (a.grob.size() == grobeAnzahl) fein = true;
            return f(x);
        },
        [&](const Punkt& p) { a.punkte.push_back(p); });
    return a;
}

std::optional<double> quadrat(float x) {
    return double{x} * double{x};
}

TEST(Runden, WholeNumberBoundsOfTheCoarsePass) {
    struct Fall {
        double x, unten, oben;
    };
    const Fall faelle[] = {{0.2, 1, 0}, {-0.2, 0, -1}, {-2.5, -2, -3}, {-3, -3, -3}, {0, 0, 0}};
    for (const auto& f : faelle) {
        EXPECT_EQ(RundeUnten(f.x), f.unten) << f.x;
        EXPECT_EQ(RundeOben(f.x), f.oben) << f.x;
    }
}

TEST(Durchlauf, ParabolaWithDefaultSettings) {
    const GraphEinstellungen g;
    const auto a = zeichne(g, quadrat);

    EXPECT_EQ(a.grob, ganzeZahlen(-10, 9));
    EXPECT_EQ(a.grobePunkte(), ganzeZahlen(-3, 3));

    ASSERT_GE(a.fein.size(), 999u);
    ASSERT_LE(a.fein.size(), 1001u);
    EXPECT_EQ(a.fein.front(), -10.0f);
    for (const float x : a.fein) EXPECT_LT(x, 10.0f);

    std::size_t feineErwartet = 0;
    for (const float x : a.fein) {
        if (double{x} * x < 10) ++feineErwartet;
    }
    EXPECT_EQ(a.punkte.size(), 7 + feineErwartet);
    for (const auto& p : a.punkte) {
        EXPECT_GT(p.y, 5.0f);
        EXPECT_LT(p.y, 95.0f);
    }
    // x = 2 lands at 8 + 12 * 9.5, y = 4 at 5 + 14 * 4.5.
    EXPECT_NE(std::find(a.punkte.begin(), a.punkte.end(), Punkt{122, 68, Durchgang::Grob}),
              a.punkte.end());
}

TEST(Durchlauf, RangesThatDrawNoDots) {
    struct Fall {
        const char* name;
        double xmin, xmax, ymin, ymax;
        bool probenGenommen;
    };
    const Fall faelle[] = {
        {"Xmax below Xmin", 10, -10, -10, 10, false},
        {"Ymax below Ymin", -10, 10, 10, -10, true},
        {"y range beyond double", -10, 10, -1.7e308, 1.7e308, true},
        {"y range below single", -10, 10, 0, 1e-300, true},
        {"x range below single", 0, 1e-38, -10, 10, true},
    };
    for (const auto& f : faelle) {
        GraphEinstellungen g;
        g.Xmin = f.xmin;
        g.Xmax = f.xmax;
        g.Ymin = f.ymin;
        g.Ymax = f.ymax;
        const auto a = zeichne(g, [](float) { return 3.0; });
        EXPECT_TRUE(a.punkte.empty()) << f.name;
        EXPECT_EQ(!a.grob.empty() || !a.fein.empty(), f.probenGenommen) << f.name;
    }
}

TEST(GrobeStellen, Bounds) {
    struct Fall {
        double xmin, xmax;
        std::vector<float> stellen;
    };
    const Fall faelle[] = {
        {0.2, 0.8, {}},
        {-10, 10.5, ganzeZahlen(-10, 9)},
        {-10, -2.5, ganzeZahlen(-10, -4)},
        {0, 100, {}},      // every second whole number, filled in below
        {-40000, 10, {}},  // beyond 16 bits: no coarse pass
        {-std::numeric_limits<double>::infinity(), 10, {}},
    };
    for (auto f : faelle) {
        GraphEinstellungen g;
        g.Xmin = f.xmin;
        g.Xmax = f.xmax;
        if (f.xmax == 100)
            for (int i = 0; i < 100; i += 2) f.stellen.push_back(static_cast<float>(i));
        EXPECT_EQ(grobeStellen(g), f.stellen) << f.xmin << " " << f.xmax;
    }
}

TEST(FeineStellen, AlwaysAdvanceAndEnd) {
    struct Fall {
        const char* name;
        double xmin, xmax, dx;
        std::size_t mindestens, hoechstens;
    };
    const Fall faelle[] = {
        {"default", -10, 10, 1000, 999, 1001},
        {"0.2 to 0.8", 0.2, 0.8, 10, 9, 11},
        {"DX 0", -10, 10, 0, 0, 0},
        {"DX NaN", -10, 10, std::numeric_limits<double>::quiet_NaN(), 0, 0},
        // The step is far below the single spacing at 100000 (1/128): one sample per value.
        {"step below single spacing", 100000, 100001, 1000, 128, 128},
        {"huge DX", -10, 10, 1e12, kMaxFeineStellen, kMaxFeineStellen},
        {"bounds beyond single", -1e300, 1e300, 1000, 0, 0},
        {"upper bound beyond single", 0, 1e300, 1000, 1, 1},
    };
    for (const auto& f : faelle) {
        GraphEinstellungen g;
        g.Xmin = f.xmin;
        g.Xmax = f.xmax;
        g.DX = f.dx;
        const auto stellen = feineStellen(g);
        EXPECT_GE(stellen.size(), f.mindestens) << f.name;
        EXPECT_LE(stellen.size(), f.hoechstens) << f.name;
        for (std::size_t i = 1; i < stellen.size(); ++i) {
            ASSERT_GT(stellen[i], stellen[i - 1]) << f.name;
        }
    }
}

TEST(Abbildung, FrameEdgesAndOverflow) {
    const Abbildung abb{GraphEinstellungen{}};
    const double inf = std::numeric_limits<double>::infinity();
    struct Fall {
        double y;
        std::optional<float> py;
    };
    const Fall faelle[] = {
        {0, 50.0f},
        {10, std::nullopt},   // exactly the top edge
        {-10, std::nullopt},  // exactly the bottom edge
        {9.99, static_cast<float>(19.99 * 4.5 + 5)},
        {1e308, std::nullopt},
        {-1.7e308, std::nullopt},  // (y - Ymin) * sy overflows downwards
        {inf, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const auto& f : faelle) {
        const auto p = abb.abbilden(0, f.y, Durchgang::Fein);
        ASSERT_EQ(p.has_value(), f.py.has_value()) << f.y;
        if (p) {
            EXPECT_EQ(p->y, *f.py) << f.y;
            EXPECT_EQ(p->x, 103.0f);
        }
    }
}

TEST(Durchlauf, FailedSampleLeavesOnlyItsOwnDotOut) {
    GraphEinstellungen g;
    g.DX = 20;  // fine samples at -10, -9, ..., 9 as well
    const auto a = zeichne(g, [](float x) -> std::optional<double> {
        if (x == 0) return std::nullopt;
        return double{x};
    });
    std::vector<float> grob, fein;
    for (const auto& p : a.punkte) (p.durchgang == Durchgang::Grob ? grob : fein).push_back(p.x);
    std::vector<float> erwartet;
    for (int i = -9; i <= 9; ++i) {
        if (i != 0) erwartet.push_back(8 + (i + 10) * 9.5f);
    }
    EXPECT_EQ(grob, erwartet);
    EXPECT_EQ(fein, erwartet);
}

TEST(Durchlauf, StopsWhenAsked) {
    int proben = 0;
    Durchlauf(
        GraphEinstellungen{},
        [&](float) {
            ++proben;
            return 1.0;
        },
        [](const Punkt&) {}, [&] { return proben == 5; });
    EXPECT_EQ(proben, 5);
}

TEST(PunkteZahl, HeldAtSixteenBits) {
    EXPECT_EQ(PunkteAddieren(0, 5), 5);
    EXPECT_EQ(PunkteAddieren(32760, 7), 32767);
    EXPECT_EQ(PunkteAddieren(32760, 1000000), 32767);
}

TEST(Gitter, LinesPerCount) {
    const auto linien = GitterLinien(20, 20);
    ASSERT_EQ(linien.size(), 38u);
    EXPECT_EQ(linien.front(), (Linie{8, 9.5, 198, 9.5}));
    EXPECT_EQ(linien[19], (Linie{17.5, 5, 17.5, 95}));

    EXPECT_EQ(GitterLinien(2, 1), (std::vector<Linie>{{103, 5, 103, 95}}));
    for (const double n : {0.0, 1.0, -20.0, 1e6}) EXPECT_TRUE(GitterLinien(n, n).empty()) << n;
}

TEST(Beschriftung, Texts) {
    GraphEinstellungen g;
    g.Xmin = -2.5;
    const auto kopf = Kopfzeilen(g, "m[5 , 0][x , 2]");
    EXPECT_EQ(kopf[0].text, "Graph von x -> m[5 , 0][x , 2]");
    EXPECT_EQ(kopf[1].text, "-2.5");
    EXPECT_EQ(kopf[2].text, " 10");
    const auto schluss = Schlusszeilen(g, " Potenzierung", 5);
    EXPECT_EQ(schluss[0].text, "Name:  Potenzierung");
    EXPECT_EQ(schluss[1].text, "Punkte:  5 von  1000");
    g.DX = single(0.1);
    EXPECT_EQ(Schlusszeilen(g, "", 0)[1].text, "Punkte:  0 von  .1");
}

TEST(Einstellungen, ReadingTheFields) {
    struct Fall {
        Felder felder;
        GraphEinstellungen erwartet;
        bool schliesst;
    };
    const Fall faelle[] = {
        {{"2,5", "1E3", " 7 ", "abc", "500"}, {2, 1000, 7, 0, 500}, true},
        {{"5", "5", "-10", "10", "1000"}, {5, 5, -10, 10, 1000}, false},
        {{"-1", "1", "3", "3", "1000"}, {-1, 1, 3, 3, 1000}, false},
        {{"", "", "", "", ""}, {0, 0, 0, 0, 0}, false},
        {{"-1", "1", "0", "1", "0.1"}, {-1, 1, 0, 1, single(0.1)}, true},
        {{"1E400", "1", "0", "1", "10"}, {0, 1, 0, 1, 10}, true},
    };
    for (const auto& f : faelle) {
        GraphEinstellungen g;
        g.PunkteZahl = 17;
        g.GitterX = 8;
        EXPECT_EQ(Uebernehmen(g, f.felder), f.schliesst) << f.felder.xmin;
        EXPECT_EQ(g.Xmin, f.erwartet.Xmin);
        EXPECT_EQ(g.Xmax, f.erwartet.Xmax);
        EXPECT_EQ(g.Ymin, f.erwartet.Ymin);
        EXPECT_EQ(g.Ymax, f.erwartet.Ymax);
        EXPECT_EQ(g.DX, f.erwartet.DX);
        EXPECT_EQ(g.PunkteZahl, 0);
        EXPECT_EQ(g.GitterX, 8);  // the grid is the options' business
    }
}

TEST(Einstellungen, GridForEveryWholeNumber) {
    struct Fall {
        double xmin, xmax, ymin, ymax, gx, gy;
    };
    const Fall faelle[] = {
        {-10, 10, -10, 10, 20, 20},
        {0, 7.5, 0, 6.5, 8, 6},
        {0, 0.4, 5, 4, 0, -1},
        {-30000, 30000, -1e300, 1e300, 0, 0},
    };
    for (const auto& f : faelle) {
        GraphEinstellungen g{f.xmin, f.xmax, f.ymin, f.ymax};
        GitterGanz(g);
        EXPECT_EQ(g.GitterX, f.gx) << f.xmax;
        EXPECT_EQ(g.GitterY, f.gy) << f.ymax;
        Gitter20(g);
        EXPECT_EQ(g.GitterX, 20);
        EXPECT_EQ(g.GitterY, 20);
    }
}

TEST(Einstellungen, FieldTextsReadBackUnchanged) {
    struct Fall {
        double wert;
        bool single;
        const char* text;
    };
    const Fall faelle[] = {
        // clang-format off
        {-10, false, "-10"}, {0.5, false, "0.5"}, {1e20, false, "1E+20"}, {1000, true, "1000"},
        {graph::single(0.1), true, "0.1"},
        // clang-format on
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(FeldText(f.wert, f.single), f.text);
        EXPECT_EQ(single(ZahlLesen(FeldText(f.wert, f.single)).wert), single(f.wert));
    }
}

class ZaehlendeMeldung : public EngineHost {
  public:
    void zeigeMeldung(const std::string&) override { ++anzahl; }
    int anzahl = 0;
};

TEST(Stichprobe, FailuresAreSilentAndDoNotCarryOver) {
    ZaehlendeMeldung host;
    ModulRA m(&host);
    m.BasisText = "x";
    m.ExponentText = "0";
    m.AufZahl = "1";
    m.RZaehler = 6;  // m[6, 1][x, 0] is 1 for every x
    m.RNenner = 1;
    EXPECT_EQ(Stichprobe(m, 2.5f), 1.0);

    m.RZaehler = -32768;  // the rewriting overflows 16 bits: an error, reported silently
    EXPECT_EQ(Stichprobe(m, 2.5f), std::nullopt);
    EXPECT_EQ(m.Fehlerstatus, 0);
    EXPECT_EQ(host.anzahl, 0);

    m.RZaehler = 6;
    m.anhalten();
    EXPECT_EQ(Stichprobe(m, 2.5f), std::nullopt);
}

}  // namespace
}  // namespace staffel::graph
