#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/modul_ra.h"
#include "modul_pruefstand.h"

namespace {

// One closed form alone: the power, as the recursion on 6 asks for it in every pass.
void BM_NARechartPower(benchmark::State& state) {
    const auto passes = state.range(0);
    staffel::ModulRAPruefstand modul;
    for (auto _ : state) {
        double v = 1.2;
        for (std::int64_t i = 1; i < passes; ++i) v = modul.NARechart(5, 1, 1.2, v, "1");
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations() * passes);
}
BENCHMARK(BM_NARechartPower)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// m[6, 1][1.2, n] through the dispatcher: each pass is Berechnung on 5 and its closed form.
// Compare with BM_BarePowerLoop.
void BM_HyperPowerByRecursion(benchmark::State& state) {
    const auto passes = state.range(0);
    staffel::ModulRAPruefstand modul;
    for (auto _ : state) {
        modul.Berechnung(6, 1, 1.2, static_cast<double>(passes), "1");
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
    state.SetItemsProcessed(state.iterations() * passes);
}
BENCHMARK(BM_HyperPowerByRecursion)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
