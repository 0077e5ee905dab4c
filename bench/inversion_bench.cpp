#include <benchmark/benchmark.h>

#include "engine/modul_ra.h"

namespace {

// One inverse solve: m[1/6, 00][27, 2] is the x with x^x = 27. Reports the forward
// evaluations (nested Berechnung calls) that one solve costs.
void BM_InverseSolve(benchmark::State& state) {
    staffel::ModulRA modul;
    std::int64_t auswertungen = 0;
    for (auto _ : state) {
        modul.Fehlerstatus = 0;
        const auto vorher = modul.ZaehlerBer.get();
        modul.Berechnung(1, 6, 27, 2, "00");
        auswertungen = modul.ZaehlerBer.get() - vorher - 1;
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
    if (modul.Fehlerstatus != 0) state.SkipWithError("m[1/6, 00][27, 2] failed");
    state.counters["evaluations"] = static_cast<double>(auswertungen);
}
BENCHMARK(BM_InverseSolve)->Unit(benchmark::kMicrosecond);

}  // namespace
