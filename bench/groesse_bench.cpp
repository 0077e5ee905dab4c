#include <benchmark/benchmark.h>

#include <array>

#include "engine/size/groesse.h"
#include "modul_pruefstand.h"

namespace {

struct Beispiel {
    int n;
    const char* A;
    double b;
    double e;
};

// The first eight within 50 ms each, the two long towers within 1 s (scripts/bench-ratios).
constexpr std::array kBeispiele{
    Beispiel{5, "", 10, 400},  Beispiel{5, "", 2, 2000},      Beispiel{6, "1", 2, 5},
    Beispiel{6, "1", 3, 4},    Beispiel{6, "0", 10, 400},     Beispiel{6, "1", 3, 5},
    Beispiel{5, "", -10, 401}, Beispiel{4, "", 1e200, 1e200}, Beispiel{6, "1", 3, 1e6},
    Beispiel{7, "11", 3, 3},
};

// The size alone, as the calculate command adds it after an overflow.
void BM_Groesse(benchmark::State& state) {
    const Beispiel& beispiel = kBeispiele[static_cast<std::size_t>(state.range(0))];
    const staffel::ModulRAPruefstand modul;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            staffel::GroesseBerechnen(beispiel.n, beispiel.A, beispiel.b, beispiel.e, modul));
    }
}
BENCHMARK(BM_Groesse)->DenseRange(0, kBeispiele.size() - 1)->Unit(benchmark::kMillisecond);

}  // namespace
