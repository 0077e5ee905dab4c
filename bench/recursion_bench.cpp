#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/modul_ra.h"
#include "modul_pruefstand.h"

namespace {

constexpr std::int64_t kDurchlaeufe = 10'000'000;

// The floor of the recursion: the bare power loop that m[6, 1][1.2, n] performs.
void BM_BarePowerLoop(benchmark::State& state) {
    const auto passes = state.range(0);
    for (auto _ : state) {
        double v = 1.2;
        for (std::int64_t i = 1; i < passes; ++i) v = std::pow(1.2, v);
        benchmark::DoNotOptimize(v);
    }
    state.SetItemsProcessed(state.iterations() * passes);
}
BENCHMARK(BM_BarePowerLoop)->Arg(kDurchlaeufe)->Unit(benchmark::kMillisecond);

// The same passes through the engine: m[6, 1][1.2, n], each pass a nested Berechnung of
// the power m[5][1.2, v].
void BM_Recursion(benchmark::State& state) {
    const auto passes = state.range(0);
    staffel::ModulRAPruefstand modul;
    for (auto _ : state) {
        modul.Fehlerstatus = staffel::Fehler::Keiner;
        modul.Berechnung(6, 1, 1.2, static_cast<double>(passes), "1");
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
    if (modul.Fehlerstatus != staffel::Fehler::Keiner)
        state.SkipWithError("m[6, 1][1.2, n] failed");
    state.SetItemsProcessed(state.iterations() * passes);
}
BENCHMARK(BM_Recursion)->Arg(kDurchlaeufe)->Unit(benchmark::kMillisecond);

}  // namespace
