#include "engine/graph/graph_pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <vector>

#include "engine/numbers/number_text.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

namespace staffel::graph {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Ranges and steps that once drew nothing useful, looped for ever or overflowed.
TEST(Durchlauf, SamplesAlwaysAdvanceAndEnd) {
    const struct {
        const char* name;
        GraphEinstellungen g;  // Xmin, Xmax, Ymin, Ymax, DX
        std::size_t grob, feinMin, feinMax;
        bool zeichnet;
    } faelle[] = {
        {"Xmax below Xmin", {10, -10}, 0, 0, 0, false},
        {"Ymax below Ymin", {-10, 10, 10, -10, 20}, 20, 20, 20, false},
        {"y range beyond double", {-10, 10, -1.7e308, 1.7e308, 20}, 20, 20, 20, false},
        {"y range below single", {-10, 10, 0, 1e-300, 20}, 20, 20, 20, false},
        {"x range below single", {0, 1e-38}, 0, 1, kMaxFeineStellen, false},
        {"0.2 to 0.8", {0.2, 0.8, -10, 10, 10}, 0, 9, 11, true},
        {"0 to 100 without DX: every second whole number", {0, 100, -10, 10, 0}, 50, 0, 0, true},
        {"beyond 16 bits: no coarse pass", {-40000, 10, -10, 10, kNaN}, 0, 0, 0, true},
        {"step below single spacing", {100000, 100001}, 0, 128, 128, true},
        {"huge DX", {-10, 10, -10, 10, 1e12}, 20, kMaxFeineStellen, kMaxFeineStellen, true},
        {"bounds beyond single", {-1e300, 1e300}, 0, 0, 0, true},
        {"upper bound beyond single", {0, 1e300}, 0, 1, 1, true},
    };
    for (const auto& f : faelle) {
        std::vector<float> grob = grobeStellen(f.g), fein;
        std::size_t punkte = 0;
        Durchlauf(
            f.g, [](float) { return 3.0; }, [&](const Punkt&) { ++punkte; }, {},
            [&](const Probe& p) {
                if (p.durchgang == Durchgang::Fein) fein.push_back(p.x);
            });
        EXPECT_EQ(StellenZahl(f.g), grob.size() + fein.size()) << f.name;
        EXPECT_EQ(grob.size(), f.grob) << f.name;
        EXPECT_GE(fein.size(), f.feinMin) << f.name;
        EXPECT_LE(fein.size(), f.feinMax) << f.name;
        EXPECT_EQ(std::adjacent_find(fein.begin(), fein.end(), std::greater_equal<float>()),
                  fein.end())
            << f.name;
        EXPECT_EQ(punkte, f.zeichnet ? grob.size() + fein.size() : 0) << f.name;
    }
}

// A halt that comes during a sample ends the pass without that sample.
TEST(Durchlauf, HaltDuringASampleDropsIt) {
    int gerufen = 0;
    std::vector<float> gemeldet;
    Durchlauf(
        GraphEinstellungen{}, [&](float) { return ++gerufen, 1.0; }, [](const Punkt&) {},
        [&] { return gerufen == 3; }, [&](const Probe& p) { gemeldet.push_back(p.x); });
    EXPECT_EQ(gemeldet, (std::vector<float>{-10, -9}));
}

TEST(Abbildung, FrameEdgesAndOverflow) {
    const Abbildung abb{GraphEinstellungen{}};
    EXPECT_EQ(abb.abbilden(0, 0, Durchgang::Fein), (Punkt{103, 50, Durchgang::Fein}));
    for (double y : {10.0, -10.0, 1e308, -1.7e308, kNaN, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(abb.abbilden(0, y, Durchgang::Fein), std::nullopt) << y;
    }
}

TEST(GraphPunkt, FailuresAreSilentAndDoNotCarryOver) {
    test::RecordingHost host;
    ModulRAPruefstand m(&host);
    ASSERT_EQ(m.rechne({"6", "1", "x", "0"}).ausgang, RechenAusgang::Graph);  // 1 for every x
    EXPECT_EQ(m.graphPunkt(2.5f).wert, 1.0);
    m.RZaehler = -32768;  // the rewriting overflows 16 bits: an error, reported silently
    EXPECT_EQ(m.graphPunkt(2.5f).wert, std::nullopt);
    EXPECT_EQ(m.Fehlerstatus, Fehler::Keiner);
    EXPECT_TRUE(host.boxes.empty());
    m.RZaehler = 6;
    m.anhalten();
    EXPECT_EQ(m.graphPunkt(2.5f).wert, std::nullopt);
}

// Counters and grids stay within 16 bits and a sensible number of lines.
TEST(Graph, SixteenBitCountsAndGrids) {
    EXPECT_EQ(PunkteAddieren(32760, 1000000), 32767);
    EXPECT_EQ(GitterLinien(2, 1), (std::vector<Linie>{{103, 5, 103, 95}}));
    for (const double n : {0.0, -20.0, 1e6}) EXPECT_TRUE(GitterLinien(n, n).empty()) << n;
    GraphEinstellungen g{-30000, 30000, -1e300, 1e300};
    GitterGanz(g);
    EXPECT_EQ(g.GitterX, 0);
    EXPECT_EQ(g.GitterY, 0);
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
        const auto werte = [](const GraphEinstellungen& e) {
            return std::vector{e.Xmin, e.Xmax, e.Ymin,
                               e.Ymax, e.DX,   static_cast<double>(e.PunkteZahl)};
        };
        EXPECT_EQ(werte(g), werte(f.erwartet)) << f.felder.xmin;
        EXPECT_EQ(toSingle(ZahlLesen(FeldText(g.DX, true)).wert), g.DX);
    }
}

}  // namespace
}  // namespace staffel::graph
