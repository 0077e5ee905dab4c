#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

#include "engine/run/halt_watchdog.h"

namespace staffel::python {

// Within the 0.2 s in which Ctrl+C is to halt a calculation, with room for the halt itself.
inline constexpr std::chrono::milliseconds kSignalTakt{50};

// A thread with the stack of a calculation (CalculationRunner::kStackBytes) that runs the jobs
// of one Python thread, one after another, with a halt timer of its own. It lives as long as
// that Python thread, so a call pays for no thread start.
class Rechenthread {
  public:
    Rechenthread();  // throws std::runtime_error when the thread cannot be created
    ~Rechenthread();
    Rechenthread(const Rechenthread&) = delete;
    Rechenthread& operator=(const Rechenthread&) = delete;

    void starten(const std::function<void(Rechenthread&)>& job);
    // True once the job has ended; waits at most the given time for it.
    bool fertig(std::chrono::milliseconds hoechstens);
    // The halt timer of the jobs; only jetztAnhalten() may be called from another thread.
    HaltWatchdog& watchdog() { return watchdog_; }

  private:
    static void* threadMain(void* self);
    void arbeiten();

    std::mutex mutex_;
    std::condition_variable cv_;
    std::function<void()> job_;
    bool hatJob_ = false;
    std::atomic<bool> belegt_{false};  // hatJob_, readable without the lock
    bool ende_ = false;
    unsigned long thread_ = 0;
    HaltWatchdog watchdog_;
};

// The first `anzahl` calculation threads of the calling Python thread, started on first use.
std::vector<Rechenthread*> rechenthreads(std::size_t anzahl);

// The ident of Python's main thread (threading.main_thread().ident), taken at import.
void hauptthreadMerken(unsigned long ident);
// True on Python's main thread, the only one that runs signal handlers.
bool imHauptthread();

// Runs the jobs, one on each thread, and waits for all with the GIL released. On the main
// thread Ctrl+C (any pending Python signal) calls anhalten until the jobs have ended, and
// then its exception is raised.
void rechnenUnterbrechbar(const std::vector<Rechenthread*>& threads,
                          const std::function<void(Rechenthread&)>& job,
                          const std::function<void()>& anhalten);

}  // namespace staffel::python
