#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/graph_pass.h"
#include "engine/modul_ra.h"

namespace {

// The graph of m[1/6, 00][x, 2] with the default settings: the coarse and the fine pass,
// every sample an inverse solve. The window runs the same pass on its calculation thread.
void BM_InverseGraph(benchmark::State& state) {
    staffel::ModulRA modul;
    modul.RZaehler = 1;
    modul.RNenner = 6;
    modul.AufZahl = "00";
    modul.BasisText = "x";
    modul.ExponentText = "2";
    std::int64_t punkte = 0;
    for (auto _ : state) {
        punkte = 0;
        staffel::graph::Durchlauf(
            modul.Graph, [&](float x) { return staffel::graph::Stichprobe(modul, x); },
            [&](const staffel::graph::Punkt&) { ++punkte; });
    }
    state.counters["dots"] = static_cast<double>(punkte);
}
BENCHMARK(BM_InverseGraph)->Unit(benchmark::kMillisecond);

}  // namespace
