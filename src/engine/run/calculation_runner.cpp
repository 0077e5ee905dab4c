#include "engine/run/calculation_runner.h"

#include <cstdio>
#include <new>

#include "engine/modul_ra.h"
#include "engine/size/stufenzahl.h"

namespace staffel {

namespace {
// Measured stack of one Berechnung level under the address sanitizer (the largest build),
// rounded up; the reservation keeps a threefold margin over the deepest admitted chain.
constexpr std::size_t kBytesProStufe = 1600;
static_assert(CalculationRunner::kStackBytes >= 3 * kBytesProStufe * std::size_t{kMaxTiefe});
}  // namespace

CalculationRunner::~CalculationRunner() {
    join();
}

bool CalculationRunner::start(std::function<void()> job, std::function<void()> onFinished) {
    if (running()) return false;
    join();
    job_ = std::move(job);
    onFinished_ = std::move(onFinished);

    pthread_attr_t attr;
    if (pthread_attr_init(&attr) != 0) return false;
    // A thread with the default stack would overflow on the deepest chains.
    if (pthread_attr_setstacksize(&attr, kStackBytes) != 0) {
        pthread_attr_destroy(&attr);
        return false;
    }
    running_.store(true, std::memory_order_release);
    const int rc = pthread_create(&thread_, &attr, &CalculationRunner::threadMain, this);
    pthread_attr_destroy(&attr);
    if (rc != 0) {
        running_.store(false, std::memory_order_release);
        return false;
    }
    joinable_ = true;
    return true;
}

void* CalculationRunner::threadMain(void* self) {
#if defined(__x86_64__) || defined(__i386__)
    // A new thread starts with its creator's vector registers. When the creator left
    // the upper halves of the AVX registers in use (Qt does in the command-line driver),
    // every SSE instruction of the power function pays for it, and the recursion ran
    // ten times slower. Clearing them once here is enough: the engine uses no AVX.
    if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
    auto* runner = static_cast<CalculationRunner*>(self);
    runGuarded(runner->job_, runner->host_);
    stufenzahlenAufraeumen();
    runner->running_.store(false, std::memory_order_release);
    if (runner->onFinished_) runner->onFinished_();
    return nullptr;
}

// An exception leaving the thread would end the whole program.
void CalculationRunner::runGuarded(const std::function<void()>& job, EngineHost* host) noexcept {
    TextId fehler = TextId::Keine;
    try {
        job();
        return;
    } catch (const std::bad_alloc&) {
        fehler = TextId::SpeicherVoll;
    } catch (...) {
        fehler = TextId::InternerFehler;
    }
    try {
        if (host != nullptr) {
            host->zeigeMeldung(fehler);
            return;
        }
    } catch (...) {
        // Not even the message fits: say it where it needs no memory.
    }
    std::fprintf(stderr, "%s\n", deutsch(fehler).data());
}

void CalculationRunner::join() {
    if (!joinable_) return;
    pthread_join(thread_, nullptr);
    joinable_ = false;
}

bool CalculationRunner::runBlocking(std::function<void()> job, EngineHost* host) {
    CalculationRunner runner(host);
    if (!runner.start(std::move(job))) return false;
    runner.join();
    return true;
}

}  // namespace staffel
