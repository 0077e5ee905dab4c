// The graph's y scales, checked against the definitions written out by hand.
#include "engine/graph/skala.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "engine/graph/graph_pass.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

namespace staffel::graph {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// 1 + |v| peeled by logarithms down to (0, 1], as the linear super-logarithm counts.
double hoeheVonHand(double v, int logarithmen) {
    double x = 1 + std::abs(v);
    for (int i = 0; i < logarithmen; ++i) x = std::log10(x);
    const double h = logarithmen + x - 1;
    return v < 0 ? -h : h;
}

TEST(Skala, ValuesWithinTheDoubles) {
    struct Fall {
        Skala skala;
        double wert;
        std::optional<double> erwartet;
    };
    const Fall faelle[] = {
        {Skala::Wert, -2.5, -2.5},
        {Skala::Log10, -1000, 3},
        {Skala::Log10, 1e-300, -300},
        {Skala::Log10, 0, std::nullopt},
        {Skala::Log10, kInf, std::nullopt},
        {Skala::Hoehe, 0, 0},
        {Skala::Hoehe, 0.5, hoeheVonHand(0.5, 1)},
        {Skala::Hoehe, 9, 1},
        {Skala::Hoehe, 256, hoeheVonHand(256, 2)},
        {Skala::Hoehe, -256, hoeheVonHand(-256, 2)},
        {Skala::Hoehe, 1e10, hoeheVonHand(1e10, 3)},
        {Skala::Hoehe, 1e300, hoeheVonHand(1e300, 3)},
    };
    for (const Fall& f : faelle) {
        const auto y = inSkala(f.skala, f.wert);
        ASSERT_EQ(y.has_value(), f.erwartet.has_value()) << f.wert;
        if (y) {
            EXPECT_NEAR(*y, *f.erwartet, 1e-12) << f.wert;
        }
    }
    EXPECT_NEAR(turmhoehe(256), 1.3820, 1e-4);
}

// Beyond 10^308 from the size: m[6, 1][3, 4] = 3^3^27, log10 of which is 3^27 · log10 3.
TEST(Skala, ResultsBeyondTheDoublesFromTheirSize) {
    test::RecordingHost host;
    ModulRAPruefstand m(&host);
    ASSERT_EQ(m.rechne({"6", "1", "3", "x"}).ausgang, RechenAusgang::Graph);
    const double log10Wert = 7625597484987.0 * std::log10(3.0);
    const double hoehe = 3 + std::log10(std::log10(std::log10(log10Wert)));
    EXPECT_NEAR(*m.graphPunkt(4, Skala::Log10).skaliert, log10Wert, 1e-3);
    EXPECT_NEAR(*m.graphPunkt(4, Skala::Hoehe).skaliert, hoehe, 1e-9);
    EXPECT_NEAR(hoehe, 3.0410, 1e-4);
    EXPECT_EQ(m.graphPunkt(4, Skala::Wert).skaliert, std::nullopt);
    EXPECT_EQ(m.graphPunkt(4, Skala::Hoehe).wert, std::nullopt);  // the value stays undefined

    // A tower of k tens has height k; left-associated, m[6, 0][10, k] = 10^10^(k - 1), whose
    // height is 2 + log10(k - 1) from k = 3 to 11.
    ASSERT_EQ(m.rechne({"6", "1", "10", "x"}).ausgang, RechenAusgang::Graph);
    for (int k = 3; k <= 5; ++k) {
        EXPECT_NEAR(*m.graphPunkt(static_cast<float>(k), Skala::Hoehe).skaliert, k, 1e-9) << k;
    }
    EXPECT_EQ(m.graphPunkt(4, Skala::Log10).skaliert, kInf);
    ASSERT_EQ(m.rechne({"6", "0", "10", "x"}).ausgang, RechenAusgang::Graph);
    for (int k = 3; k <= 8; ++k) {
        EXPECT_NEAR(*m.graphPunkt(static_cast<float>(k), Skala::Hoehe).skaliert,
                    2 + std::log10(k - 1.0), 1e-9)
            << k;
    }
    EXPECT_NEAR(*m.graphPunkt(3, Skala::Log10).skaliert, 100, 1e-12);
    EXPECT_NEAR(*m.graphPunkt(5, Skala::Log10).skaliert, 10000, 1e-9);
}

// A fractional R has no size: its overflow is marked on the top edge in the log and height
// scales, and left out in the value scale as before.
TEST(Skala, OverflowsWithoutASizeAreMarked) {
    test::RecordingHost host;
    ModulRAPruefstand m(&host);
    ASSERT_EQ(m.rechne({"1/5", "0", "x", "0.001"}).ausgang, RechenAusgang::Graph);  // x^1000
    EXPECT_NEAR(*m.graphPunkt(1.5f, Skala::Log10).skaliert, 1000 * std::log10(1.5), 1e-9);
    EXPECT_FALSE(m.graphPunkt(1.5f, Skala::Log10).ohneGroesse);
    for (const Skala skala : {Skala::Log10, Skala::Hoehe}) {
        const GraphPunkt p = m.graphPunkt(10, skala);
        EXPECT_TRUE(p.ohneGroesse && !p.skaliert && !p.wert);
    }
    EXPECT_FALSE(m.graphPunkt(10, Skala::Wert).ohneGroesse);
    // The mark stands on the top edge, whatever the range.
    GraphEinstellungen g;
    g.skala = Skala::Log10;
    std::vector<Punkt> punkte;
    Durchlauf(
        g,
        [](float x) {
            return Stichwert{x < 0 ? std::optional<double>(1.0) : std::nullopt,
                             x < 0 ? std::optional<double>(0.0) : std::nullopt, x > 5};
        },
        [&](const Punkt& p) { punkte.push_back(p); });
    const auto grob = std::count_if(punkte.begin(), punkte.end(), [](const Punkt& p) {
        return p.ohneGroesse && p.durchgang == Durchgang::Grob;
    });
    EXPECT_EQ(grob, 4);  // 6 to 9
    EXPECT_TRUE(std::all_of(punkte.begin(), punkte.end(), [](const Punkt& p) {
        return p.ohneGroesse == (p.y == static_cast<float>(kOben));
    }));
}

}  // namespace
}  // namespace staffel::graph
