#include <benchmark/benchmark.h>

#include <cmath>

#include "engine/modul_ra.h"

namespace {

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
BENCHMARK(BM_BarePowerLoop)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
