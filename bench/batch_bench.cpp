#include <benchmark/benchmark.h>

#include <future>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>

#include "cli/batch_runner.h"
#include "cli/batch_workers.h"
#include "engine/run/calculation_runner.h"

namespace {

constexpr int kZeilen = 100'000;

std::string geschlosseneZeilen() {
    std::string text;
    for (int i = 0; i < kZeilen; ++i) text += "3\t\t2\t3\n";
    return text;
}

// Closed forms, inverse solves, short recursions and reductions, as a batch of a tool mixes them.
std::string gemischteZeilen() {
    std::string text;
    for (int i = 0; i < kZeilen; ++i) {
        switch (i % 5) {
            case 0:
                text += "1/6\t00\t" + std::to_string(1 + i % 47) + ".5\t2\n";
                break;
            case 1:
                text += "6\t1\t1.2\t" + std::to_string(10 + i % 3000) + "\n";
                break;
            case 2:
                text += "7\t00\t2\t3\n";
                break;
            case 3:
                text += "8/3\t000\t2\t3\n";
                break;
            default:
                text += "3\t\t" + std::to_string(i % 100) + "\t3\n";
        }
    }
    return text;
}

// The output as a pipe to a reader takes it: written and gone. A string stream would grow to
// tens of megabytes and copy itself on the way, work that no real batch does.
class Abfluss : public std::streambuf {
  protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// One batch of the given lines on the given number of workers; false when it failed.
bool stapelDurch(const std::string& eingabe, unsigned arbeiter) {
    staffel::cli::Optionen optionen;
    optionen.jobs = arbeiter;
    std::istringstream ein(eingabe);
    Abfluss abfluss;
    std::ostream aus(&abfluss);
    return staffel::cli::stapelRechnen(ein, aus, optionen) == staffel::cli::StapelEnde::Fertig;
}

void stapel(benchmark::State& state, const std::string& eingabe) {
    for (auto _ : state) {
        if (!stapelDurch(eingabe, static_cast<unsigned>(state.range(0)))) {
            state.SkipWithError("batch failed");
        }
    }
    state.SetItemsProcessed(state.iterations() * kZeilen);
}

// `yes $'3\t\t2\t3' | head -n 100000 | staffelrechner-cli --batch --jobs 1` without the pipes.
void BM_BatchClosedForms(benchmark::State& state) {
    stapel(state, geschlosseneZeilen());
}
BENCHMARK(BM_BatchClosedForms)->Arg(1)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// The same lines answered one after another on one calculation thread, without the batch's
// reading, ordering and writing: the difference to BM_BatchClosedForms is the harness.
void BM_BatchLinesAlone(benchmark::State& state) {
    const staffel::cli::Optionen optionen;
    for (auto _ : state) {
        staffel::CalculationRunner::runBlocking([&] {
            staffel::HaltWatchdog watchdog;
            for (int i = 0; i < kZeilen; ++i) {
                benchmark::DoNotOptimize(
                    staffel::cli::zeileBeantworten("3\t\t2\t3", optionen, watchdog));
            }
        });
    }
}
BENCHMARK(BM_BatchLinesAlone)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

// 100 000 mixed lines on one worker and on two.
void BM_BatchMixed(benchmark::State& state) {
    stapel(state, gemischteZeilen());
}
BENCHMARK(BM_BatchMixed)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(1)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The yardstick for the figure above: two single-worker batches side by side, each on a core of
// its own with nothing shared. On an ideal machine they take as long as one alone; the excess
// is what the machine itself, not the batch, loses when both cores calculate.
void BM_BatchMixedSideBySide(benchmark::State& state) {
    const std::string eingabe = gemischteZeilen();
    for (auto _ : state) {
        auto zweiter = std::async(std::launch::async, [&] { return stapelDurch(eingabe, 1); });
        const bool erster = stapelDurch(eingabe, 1);
        if (!(erster && zweiter.get())) state.SkipWithError("batch failed");
    }
}
BENCHMARK(BM_BatchMixedSideBySide)->Iterations(1)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
