#include "engine/calculation_runner.h"

#include <pthread.h>

#include "engine/modul_ra.h"

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
    pthread_attr_setstacksize(&attr, kStackBytes);
    running_.store(true, std::memory_order_release);
    pthread_t thread;
    const int rc = pthread_create(&thread, &attr, &CalculationRunner::threadMain, this);
    pthread_attr_destroy(&attr);
    if (rc != 0) {
        running_.store(false, std::memory_order_release);
        return false;
    }
    thread_ = thread;
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
    runner->job_();
    runner->running_.store(false, std::memory_order_release);
    if (runner->onFinished_) runner->onFinished_();
    return nullptr;
}

void CalculationRunner::join() {
    if (!joinable_) return;
    pthread_join(static_cast<pthread_t>(thread_), nullptr);
    joinable_ = false;
}

bool CalculationRunner::runBlocking(std::function<void()> job) {
    CalculationRunner runner;
    if (!runner.start(std::move(job))) return false;
    runner.join();
    return true;
}

}  // namespace staffel
