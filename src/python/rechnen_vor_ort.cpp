#include "python/rechnen_vor_ort.h"

#include <pthread.h>
#include <pybind11/pybind11.h>

#include <atomic>
#include <memory>
#include <optional>

#include "engine/run/calculation_runner.h"
#include "engine/run/stack_fiber.h"
#include "engine/size/stufenzahl.h"
#include "python/rechenthread.h"

namespace py = pybind11;

namespace staffel::python {

namespace {

// fork() calls so far; asking getpid() on every call would cost a system call.
std::atomic<unsigned> gabelungen{0};

// What one Python thread keeps for its calculations.
struct VorOrt {
    VorOrt() {
        if (!imHauptthread()) return;
        // The engine asks on the beat, on this thread, which alone may run the handlers.
        watchdog.rueckfrageSetzen(
            [this] {
                try {
                    py::gil_scoped_acquire gil;
                    if (PyErr_CheckSignals() == 0) return false;
                    unterbrochen.emplace();
                    return true;
                } catch (...) {
                    return false;
                }
            },
            kSignalTakt);
    }
    ~VorOrt() { stufenzahlenAufraeumen(); }

    unsigned gabelung = gabelungen.load(std::memory_order_relaxed);
    StackFiber stapel;
    HaltWatchdog watchdog;
    std::optional<py::error_already_set> unterbrochen;
};

VorOrt& vorOrt() {
    static const int gezaehlt = pthread_atfork(nullptr, nullptr, [] { ++gabelungen; });
    static_cast<void>(gezaehlt);
    thread_local std::unique_ptr<VorOrt> vorrat;
    // A child of fork() inherits the objects but not the timer's thread; they stay the parent's.
    if (vorrat && vorrat->gabelung != gabelungen.load(std::memory_order_relaxed)) {
        static_cast<void>(vorrat.release());
    }
    if (!vorrat) vorrat = std::make_unique<VorOrt>();
    return *vorrat;
}

}  // namespace

void rechnenVorOrt(const std::function<void(HaltWatchdog&)>& job) {
    VorOrt& ort = vorOrt();
    {
        py::gil_scoped_release ohneGil;
        const std::function<void()> lauf = [&] {
            CalculationRunner::runGuarded([&] { job(ort.watchdog); }, nullptr);
        };
        ort.stapel.run(lauf);
    }
    if (ort.unterbrochen) {
        py::error_already_set fehler = std::move(*ort.unterbrochen);
        ort.unterbrochen.reset();
        throw fehler;
    }
}

}  // namespace staffel::python
