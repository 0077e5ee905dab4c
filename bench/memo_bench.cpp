#include <benchmark/benchmark.h>

#include "engine/modul_ra.h"
#include "modul_pruefstand.h"

namespace {

// Slow inverses whose trials repeat their nested calculations, with the memo (1) and without
// it (0). Without it, m[9/10, 1110010][1.301845, 3] takes more than 20 minutes and
// m[6/13, 01000][1.433463, -2] about 11, so only the first runs both ways.
void BM_MemoBeispielLong(benchmark::State& state) {
    struct Beispiel {
        staffel::Int16 n, d;
        double b, e;
        const char* A;
    };
    static const Beispiel beispiele[] = {{10, 11, -4.665479, 2, "10010100"},
                                         {9, 10, 1.301845, 3, "1110010"},
                                         {6, 13, 1.433463, -2, "01000"}};
    const Beispiel& beispiel = beispiele[state.range(0)];
    for (auto _ : state) {
        staffel::ModulRAPruefstand modul;
        modul.memoEinschalten(state.range(1) != 0);
        modul.Berechnung(beispiel.n, beispiel.d, beispiel.b, beispiel.e, beispiel.A);
        benchmark::DoNotOptimize(modul.Ergebnis);
    }
}
BENCHMARK(BM_MemoBeispielLong)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({2, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
