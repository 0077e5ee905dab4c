#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/graph/graph_pass.h"
#include "engine/modul_ra.h"
#include "engine/run/antwort.h"

namespace {

// The graph of m[1/6, 00][x, 2]: the coarse and the fine pass, every sample an inverse solve.
// The window runs the same pass on its calculation thread.
void inverseGraph(benchmark::State& state, double schritte) {
    staffel::ModulRA modul;
    modul.rechne({"1/6", "00", "x", "2"});
    staffel::GraphEinstellungen g;
    g.DX = schritte;
    std::int64_t punkte = 0;
    for (auto _ : state) {
        punkte = 0;
        staffel::graph::Durchlauf(
            g, [&](float x) { return modul.graphPunkt(x).wert; },
            [&](const staffel::graph::Punkt&) { ++punkte; });
    }
    state.counters["dots"] = static_cast<double>(punkte);
}

// The default settings.
void BM_InverseGraph(benchmark::State& state) {
    inverseGraph(state, 1000);
}
BENCHMARK(BM_InverseGraph)->Unit(benchmark::kMillisecond);

// "Kehrwert der Schrittweite" 300 000: about 160 000 samples lie where the inverse is
// undefined; the first of each stretch searches the edges of every defined run before it
// gives up, and the rest repeat its outcome.
void BM_InverseGraphFineSlow(benchmark::State& state) {
    inverseGraph(state, 300'000);
}
BENCHMARK(BM_InverseGraphFineSlow)->Iterations(1)->Unit(benchmark::kMillisecond);

// m[6, 0][10, x] over [0, 6] with 10 000 fine steps in the height scale: from x = 3.5 on every
// sample's place comes from its size.
void BM_HoehenGraph(benchmark::State& state) {
    staffel::ModulRA modul;
    modul.rechne({"6", "0", "10", "x"});
    staffel::GraphEinstellungen g{.Xmin = 0, .Xmax = 6, .Ymin = -1, .Ymax = 4, .DX = 10'000};
    std::int64_t punkte = 0;
    for (auto _ : state) {
        punkte = 0;
        staffel::graph::Durchlauf(
            g,
            [&](float x) {
                const staffel::GraphPunkt p = modul.graphPunkt(x, staffel::Skala::Hoehe);
                return staffel::graph::Stichwert(p.wert, p.skaliert, p.ohneGroesse);
            },
            [&](const staffel::graph::Punkt&) { ++punkte; });
    }
    state.counters["dots"] = static_cast<double>(punkte);
}
BENCHMARK(BM_HoehenGraph)->Unit(benchmark::kMillisecond);

}  // namespace
