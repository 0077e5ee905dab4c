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
