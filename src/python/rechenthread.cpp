#include "python/rechenthread.h"

#include <pthread.h>
#include <pybind11/pybind11.h>
#include <unistd.h>

#include <memory>
#include <optional>
#include <stdexcept>

#include "engine/run/calculation_runner.h"
#include "engine/size/stufenzahl.h"

namespace py = pybind11;

namespace staffel::python {

namespace {

unsigned long hauptthreadIdent = 0;

// A short calculation (rechne in a loop) answers within microseconds; sleeping on the
// condition variable and being woken would cost more than that. So the caller first watches
// the flag for a moment before it sleeps.
constexpr std::chrono::microseconds kAufAntwort{30};

// True once flag has the value; false when it still lacks it after the time.
bool kurzWarten(const std::atomic<bool>& flag, bool wert, std::chrono::microseconds zeit) {
    const auto ende = std::chrono::steady_clock::now() + zeit;
    while (true) {
        for (int i = 0; i < 64; ++i) {
            if (flag.load(std::memory_order_acquire) == wert) return true;
#if defined(__x86_64__) || defined(__i386__)
            __builtin_ia32_pause();
#endif
        }
        if (std::chrono::steady_clock::now() >= ende) return false;
    }
}

struct Vorrat {
    pid_t prozess = getpid();
    std::vector<std::unique_ptr<Rechenthread>> threads;
};

}  // namespace

Rechenthread::Rechenthread() {
    pthread_attr_t attr;
    if (pthread_attr_init(&attr) != 0) throw std::runtime_error("pthread_attr_init");
    const bool stapel = pthread_attr_setstacksize(&attr, CalculationRunner::kStackBytes) == 0;
    pthread_t thread;
    const bool gestartet =
        stapel && pthread_create(&thread, &attr, &Rechenthread::threadMain, this) == 0;
    pthread_attr_destroy(&attr);
    if (!gestartet) throw std::runtime_error("Die Berechnung konnte nicht gestartet werden.");
    thread_ = thread;
}

Rechenthread::~Rechenthread() {
    {
        std::lock_guard lock(mutex_);
        ende_ = true;
    }
    cv_.notify_all();
    pthread_join(static_cast<pthread_t>(thread_), nullptr);
}

void* Rechenthread::threadMain(void* self) {
    static_cast<Rechenthread*>(self)->arbeiten();
    stufenzahlenAufraeumen();
    return nullptr;
}

void Rechenthread::arbeiten() {
    while (true) {
        std::unique_lock lock(mutex_);
        cv_.wait(lock, [this] { return hatJob_ || ende_; });
        if (!hatJob_) return;
        lock.unlock();
        CalculationRunner::runGuarded(job_, nullptr);
        lock.lock();
        hatJob_ = false;
        belegt_.store(false, std::memory_order_release);
        cv_.notify_all();
    }
}

void Rechenthread::starten(const std::function<void(Rechenthread&)>& job) {
    {
        std::lock_guard lock(mutex_);
        job_ = [this, &job] { job(*this); };
        hatJob_ = true;
        belegt_.store(true, std::memory_order_release);
    }
    cv_.notify_all();
}

bool Rechenthread::fertig(std::chrono::milliseconds hoechstens) {
    if (kurzWarten(belegt_, false, kAufAntwort)) return true;
    std::unique_lock lock(mutex_);
    return cv_.wait_for(lock, hoechstens, [this] { return !hatJob_; });
}

void hauptthreadMerken(unsigned long ident) {
    hauptthreadIdent = ident;
}

bool imHauptthread() {
    return PyThread_get_thread_ident() == hauptthreadIdent;
}

std::vector<Rechenthread*> rechenthreads(std::size_t anzahl) {
    thread_local Vorrat vorrat;
    // A child of fork() inherits the objects but not the threads; they are left to the parent.
    if (vorrat.prozess != getpid()) {
        for (auto& thread : vorrat.threads) static_cast<void>(thread.release());
        vorrat = Vorrat{};
    }
    while (vorrat.threads.size() < anzahl) {
        vorrat.threads.push_back(std::make_unique<Rechenthread>());
    }
    std::vector<Rechenthread*> threads;
    for (std::size_t i = 0; i < anzahl; ++i) threads.push_back(vorrat.threads[i].get());
    return threads;
}

void rechnenUnterbrechbar(const std::vector<Rechenthread*>& threads,
                          const std::function<void(Rechenthread&)>& job,
                          const std::function<void()>& anhalten) {
    // Python runs signal handlers on the main thread only; elsewhere there is nothing to check.
    const bool hauptthread = imHauptthread();
    std::optional<py::error_already_set> unterbrochen;
    {
        py::gil_scoped_release ohneGil;
        for (Rechenthread* thread : threads) thread->starten(job);
        for (Rechenthread* thread : threads) {
            while (!thread->fertig(kSignalTakt)) {
                if (hauptthread && !unterbrochen) {
                    py::gil_scoped_acquire gil;
                    if (PyErr_CheckSignals() != 0) unterbrochen.emplace();
                }
                // Again on every beat: a job may arm its next calculation after the first press.
                if (unterbrochen) anhalten();
            }
        }
    }
    if (unterbrochen) throw std::move(*unterbrochen);
}

}  // namespace staffel::python
