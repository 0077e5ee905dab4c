#include "engine/graph_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "recording_host.h"

namespace staffel::graph {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct Aufzeichnung {
    std::vector<float> grob;  // evaluated samples of each pass
    std::vector<float> fein;
    std::vector<Punkt> punkte;
};

Aufzeichnung zeichne(const GraphEinstellungen& g, const Auswertung& f) {
    Aufzeichnung a;
    const auto grobeAnzahl = grobeStellen(g).size();
    Durchlauf(
        g,
        [&](float x) {
            (a.grob.size() < grobeAnzahl ? a.grob : a.fein).push_back(x);
            return f(x);
        },
        [&](const Punkt& p) { a.punkte.push_back(p); });
    return a;
}

GraphEinstellungen bereich(double xmin, double xmax, double dx = 1000, double ymin = -10,
                           double ymax = 10) {
    GraphEinstellungen g;
    g.Xmin = xmin;
    g.Xmax = xmax;
    g.DX = dx;
    g.Ymin = ymin;
    g.Ymax = ymax;
    return g;
}

TEST(Durchlauf, ParabolaWithDefaultSettings) {
    const auto a = zeichne(GraphEinstellungen{}, [](float x) { return double{x} * x; });
    ASSERT_EQ(a.grob.size(), 20u);
    EXPECT_EQ(a.grob.front(), -10.0f);
    ASSERT_GE(a.fein.size(), 999u);
    ASSERT_LE(a.fein.size(), 1001u);
    EXPECT_LT(a.fein.back(), 10.0f);
    const auto innen =
        std::count_if(a.fein.begin(), a.fein.end(), [](float x) { return x * x < 10; });
    EXPECT_EQ(a.punkte.size(), 7u + innen);  // coarse -3 to 3, and the fine ones below the top
    // x = 2 lands at 8 + 12 * 9.5, y = 4 at 5 + 14 * 4.5.
    EXPECT_NE(std::find(a.punkte.begin(), a.punkte.end(), Punkt{122, 68, Durchgang::Grob}),
              a.punkte.end());
}

// Ranges and steps that once drew nothing useful, looped for ever or overflowed.
TEST(Durchlauf, SamplesAlwaysAdvanceAndEnd) {
    const struct {
        const char* name;
        GraphEinstellungen g;
        std::size_t grob, feinMin, feinMax;
        bool zeichnet;
    } faelle[] = {
        {"Xmax below Xmin", bereich(10, -10), 0, 0, 0, false},
        {"Ymax below Ymin", bereich(-10, 10, 20, 10, -10), 20, 20, 20, false},
        {"y range beyond double", bereich(-10, 10, 20, -1.7e308, 1.7e308), 20, 20, 20, false},
        {"y range below single", bereich(-10, 10, 20, 0, 1e-300), 20, 20, 20, false},
        {"x range below single", bereich(0, 1e-38), 0, 1, kMaxFeineStellen, false},
        {"0.2 to 0.8", bereich(0.2, 0.8, 10), 0, 9, 11, true},
        {"0 to 100 without DX: every second whole number", bereich(0, 100, 0), 50, 0, 0, true},
        {"beyond 16 bits: no coarse pass", bereich(-40000, 10, kNaN), 0, 0, 0, true},
        {"step below single spacing", bereich(100000, 100001), 0, 128, 128, true},
        {"huge DX", bereich(-10, 10, 1e12), 20, kMaxFeineStellen, kMaxFeineStellen, true},
        {"bounds beyond single", bereich(-1e300, 1e300), 0, 0, 0, true},
        {"upper bound beyond single", bereich(0, 1e300), 0, 1, 1, true},
    };
    for (const auto& f : faelle) {
        const auto a = zeichne(f.g, [](float) { return 3.0; });
        EXPECT_EQ(a.grob.size(), f.grob) << f.name;
        EXPECT_GE(a.fein.size(), f.feinMin) << f.name;
        EXPECT_LE(a.fein.size(), f.feinMax) << f.name;
        EXPECT_EQ(std::adjacent_find(a.fein.begin(), a.fein.end(), std::greater_equal<float>()),
                  a.fein.end())
            << f.name;
        EXPECT_EQ(a.punkte.size(), f.zeichnet ? a.grob.size() + a.fein.size() : 0) << f.name;
    }
}

TEST(Abbildung, FrameEdgesAndOverflow) {
    const Abbildung abb{GraphEinstellungen{}};
    const struct {
        double y;
        std::optional<float> py;
    } faelle[] = {
        {0, 50.0f},
        {10, std::nullopt},
        {-10, std::nullopt},
        {1e308, std::nullopt},
        {-1.7e308, std::nullopt},
        {kNaN, std::nullopt},
        {std::numeric_limits<double>::infinity(), std::nullopt},
    };
    for (const auto& f : faelle) {
        const auto p = abb.abbilden(0, f.y, Durchgang::Fein);
        ASSERT_EQ(p.has_value(), f.py.has_value()) << f.y;
        if (p) {
            EXPECT_EQ(p->y, *f.py) << f.y;
        }
    }
}

TEST(Durchlauf, StopsWhenAsked) {
    int proben = 0;
    Durchlauf(
        GraphEinstellungen{}, [&](float) { return ++proben, 1.0; }, [](const Punkt&) {},
        [&] { return proben == 5; });
    EXPECT_EQ(proben, 5);
}

TEST(Stichprobe, FailuresAreSilentAndDoNotCarryOver) {
    test::RecordingHost host;
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
    EXPECT_TRUE(host.boxes.empty());
    m.RZaehler = 6;
    m.anhalten();
    EXPECT_EQ(Stichprobe(m, 2.5f), std::nullopt);
}

TEST(Graph, CountsGridAndLabels) {
    EXPECT_EQ(PunkteAddieren(32760, 1000000), 32767);
    EXPECT_EQ(GitterLinien(20, 20).size(), 38u);
    EXPECT_EQ(GitterLinien(2, 1), (std::vector<Linie>{{103, 5, 103, 95}}));
    for (const double n : {0.0, -20.0, 1e6}) EXPECT_TRUE(GitterLinien(n, n).empty()) << n;
    GraphEinstellungen g;
    g.Xmin = -2.5;
    EXPECT_EQ(Kopfzeilen(g, "m[5 , 0][x , 2]")[1].text, "-2.5");
    g.DX = toSingle(0.1);
    EXPECT_EQ(Schlusszeilen(g, "", 0)[1].text, "Punkte:  0 von  .1");
}

TEST(Einstellungen, ReadingTheFields) {
    const struct {
        Felder felder;
        GraphEinstellungen erwartet;
        bool schliesst;
    } faelle[] = {
        {{"2,5", "1E3", " 7 ", "abc", "0.1"}, {2, 1000, 7, 0, toSingle(0.1)}, true},
        {{"5", "5", "-10", "10", "1000"}, {5, 5, -10, 10, 1000}, false},
        {{"-1", "1", "3", "3", "1000"}, {-1, 1, 3, 3, 1000}, false},
        {{"1E400", "1", "0", "1", "10"}, {0, 1, 0, 1, 10}, true},
    };
    for (const auto& f : faelle) {
        GraphEinstellungen g;
        g.PunkteZahl = 17;
        EXPECT_EQ(Uebernehmen(g, f.felder), f.schliesst) << f.felder.xmin;
        EXPECT_EQ(g.Xmin, f.erwartet.Xmin);
        EXPECT_EQ(g.Xmax, f.erwartet.Xmax);
        EXPECT_EQ(g.Ymin, f.erwartet.Ymin);
        EXPECT_EQ(g.Ymax, f.erwartet.Ymax);
        EXPECT_EQ(g.DX, f.erwartet.DX);
        EXPECT_EQ(g.PunkteZahl, 0);
        EXPECT_EQ(toSingle(ZahlLesen(FeldText(g.DX, true)).wert), g.DX);
    }
}

TEST(Einstellungen, GridForEveryWholeNumber) {
    const struct {
        double xmin, xmax, ymin, ymax, gx, gy;
    } faelle[] = {
        {0, 7.5, 0, 6.5, 8, 6},
        {0, 0.4, 5, 4, 0, -1},
        {-30000, 30000, -1e300, 1e300, 0, 0},
    };
    for (const auto& f : faelle) {
        GraphEinstellungen g{f.xmin, f.xmax, f.ymin, f.ymax};
        GitterGanz(g);
        EXPECT_EQ(g.GitterX, f.gx) << f.xmax;
        EXPECT_EQ(g.GitterY, f.gy) << f.ymax;
    }
}

}  // namespace
}  // namespace staffel::graph
