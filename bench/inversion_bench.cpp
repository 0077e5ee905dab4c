#include <benchmark/benchmark.h>

#include "engine/modul_ra.h"

namespace {

// One inverse solve m[1/6, 00][b, 2], the x with x^x = b: b = 27 meets a support point
// exactly, b = 100 needs the bisection. Reports the forward evaluations (nested
// Berechnung calls) that one solve costs.
void BM_InverseSolve(benchmark::State& state) {
    const double b = static_cast<double>(state.range(0));
    staffel::ModulRA modul;
    std::int64_t auswertungen = 0;
    for (auto _ : state) {
        modul.Fehlerstatus = 0;
        const auto vorher = modul.ZaehlerBer.get();
        modul.Berechnung(1, 6, b, 2, "00");
        auswertungen = modul.ZaehlerBer.get() - vorher - 1;
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
    if (modul.Fehlerstatus != 0) state.SkipWithError("m[1/6, 00][b, 2] failed");
    state.counters["evaluations"] = static_cast<double>(auswertungen);
}
BENCHMARK(BM_InverseSolve)->Arg(27)->Arg(100)->Unit(benchmark::kMicrosecond);

}  // namespace
