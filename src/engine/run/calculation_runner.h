#pragma once

#include <pthread.h>

#include <atomic>
#include <cstddef>
#include <functional>

#include "engine/engine_host.h"

namespace staffel {

// Runs one calculation at a time on a thread of its own whose stack holds the deepest
// chain of nested Berechnung calls that the engine admits. The CLI and the window both
// use it; the window is notified through onFinished, which runs on the calculation thread.
class CalculationRunner {
  public:
    // A level of Berechnung (with its share of emIII, emIV and GegenLsg0 frames) takes at
    // most about 690 bytes of stack in an optimised build and 1 530 bytes under the address
    // sanitizer; kMaxTiefe levels therefore need at most about 170 MB. The reservation is
    // address space only: pages are committed as the recursion touches them.
    static constexpr std::size_t kStackBytes = std::size_t{512} << 20;

    // A job that throws (out of memory, say) ends with a German message to host.
    explicit CalculationRunner(EngineHost* host = nullptr) : host_(host) {}
    ~CalculationRunner();
    CalculationRunner(const CalculationRunner&) = delete;
    CalculationRunner& operator=(const CalculationRunner&) = delete;

    // False when a calculation is still running or no thread with that stack could be created.
    bool start(std::function<void()> job, std::function<void()> onFinished = {});
    bool running() const noexcept { return running_.load(std::memory_order_acquire); }
    // Blocks until the running calculation (if any) has ended and its thread is gone.
    void join();

    // Starts job and waits for it.
    static bool runBlocking(std::function<void()> job, EngineHost* host = nullptr);
    // Runs job on the calling thread as a runner runs it: a throwing job ends with the German
    // message to host. For a job of the runner's own thread that runs many calculations.
    static void runGuarded(const std::function<void()>& job, EngineHost* host) noexcept;

  private:
    static void* threadMain(void* self);

    EngineHost* host_;
    std::function<void()> job_;
    std::function<void()> onFinished_;
    std::atomic<bool> running_{false};
    bool joinable_ = false;
    pthread_t thread_{};
};

}  // namespace staffel
