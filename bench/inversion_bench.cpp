#include <benchmark/benchmark.h>

#include "engine/modul_ra.h"
#include "modul_pruefstand.h"

namespace {

// One inverse solve m[1/6, 00][b, 2], the x with x^x = b: b = 27 meets a support point
// exactly, b = 100 needs the bisection. Reports the forward evaluations (nested
// Berechnung calls) that one solve costs.
void BM_InverseSolve(benchmark::State& state) {
    const double b = static_cast<double>(state.range(0));
    staffel::ModulRAPruefstand modul;
    std::int64_t auswertungen = 0;
    for (auto _ : state) {
        modul.Fehlerstatus = staffel::Fehler::Keiner;
        const auto vorher = modul.ZaehlerBer.get();
        modul.Berechnung(1, 6, b, 2, "00");
        auswertungen = modul.ZaehlerBer.get() - vorher - 1;
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
    if (modul.Fehlerstatus != staffel::Fehler::Keiner)
        state.SkipWithError("m[1/6, 00][b, 2] failed");
    state.counters["evaluations"] = static_cast<double>(auswertungen);
}
BENCHMARK(BM_InverseSolve)->Arg(27)->Arg(100)->Unit(benchmark::kMicrosecond);

// Inverses whose search finds no solution, so that the follow-up search runs in full: x^x =
// 0.5 lies below the minimum of x^x (the extremum search runs), m[7/3, 10][x, 4] = 6 only at
// the jump of "0 oder b" at 6 (every support point is re-sampled, two jumps are bisected).
// Reports the forward evaluations of one solve and those the search before the follow-up
// search took (measured before it existed), whose ratio is held to at most 3.
struct GescheiterteLoesung {
    staffel::Int16 n, d;
    double b, e;
    const char* A;
    double ohneNachsuche;
};
constexpr GescheiterteLoesung kGescheitert[] = {{1, 6, 0.5, 2, "00", 1306},
                                                {3, 7, 6, 4, "100", 106}};

void BM_FailedInverseSolve(benchmark::State& state) {
    const auto& fall = kGescheitert[state.range(0)];
    staffel::ModulRAPruefstand modul;
    std::int64_t auswertungen = 0;
    for (auto _ : state) {
        modul.Fehlerstatus = staffel::Fehler::Keiner;
        const auto vorher = modul.ZaehlerBer.get();
        modul.Berechnung(fall.n, fall.d, fall.b, fall.e, fall.A);
        auswertungen = modul.ZaehlerBer.get() - vorher - 1;
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
    if (modul.Fehlerstatus == staffel::Fehler::Keiner)
        state.SkipWithError("the inverse found a solution");
    state.counters["evaluations"] = static_cast<double>(auswertungen);
    state.counters["before"] = fall.ohneNachsuche;
}
BENCHMARK(BM_FailedInverseSolve)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
