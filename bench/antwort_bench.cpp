#include <benchmark/benchmark.h>

#include "engine/run/antwort.h"

namespace {

// The engine's own share of the Python module's rechne: one answer to m[7, 00][2, 3] on a
// fresh state, halt timer included (bench/python_bench.py subtracts it). The chain is short
// enough for the benchmark thread's stack.
void BM_EinzelAntwort(benchmark::State& state) {
    const staffel::RechenEingabe eingabe{"7", "00", "2", "3"};
    const staffel::Optionen optionen;
    staffel::HaltWatchdog watchdog;
    for (auto _ : state) {
        benchmark::DoNotOptimize(staffel::berechneEinzeln(eingabe, optionen, watchdog));
    }
}
BENCHMARK(BM_EinzelAntwort)->Unit(benchmark::kMicrosecond);

}  // namespace
