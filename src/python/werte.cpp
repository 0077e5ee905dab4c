#include "python/werte.h"

#include <pybind11/numpy.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "engine/graph/wertreihe.h"
#include "python/rechenthread.h"
#include "python/rechne.h"

namespace py = pybind11;

namespace staffel::python {

namespace {

// Values a thread takes at once: few trips to the shared counter, an even end.
constexpr std::size_t kStueck = 256;
constexpr long kHoechstensJobs = 256;

py::array zahlenArray(const py::object& werte, const char* name) {
    const py::array array = py::module_::import("numpy").attr("asarray")(werte);
    const char art = array.dtype().kind();
    if (art != 'b' && art != 'i' && art != 'u' && art != 'f') {
        throw py::type_error(std::string(name) + " braucht reelle Zahlen, nicht dtype " +
                             py::str(array.dtype()).cast<std::string>() + ".");
    }
    return array;
}

unsigned threadAnzahl(std::optional<long> jobs, std::size_t werte) {
    if (jobs && (*jobs < 1 || *jobs > kHoechstensJobs)) {
        throw py::value_error("jobs braucht eine Zahl zwischen 1 und 256.");
    }
    const long gewuenscht = jobs.value_or(std::max(1u, std::thread::hardware_concurrency()));
    return static_cast<unsigned>(
        std::clamp<long>(gewuenscht, 1, std::max<long>(1, werte / kStueck)));
}

Skala skalaAus(const std::string& name) {
    if (name == "wert") return Skala::Wert;
    if (name == "log10") return Skala::Log10;
    if (name == "hoehe") return Skala::Hoehe;
    throw py::value_error("skala braucht 'wert', 'log10' oder 'hoehe', nicht '" + name + "'.");
}

}  // namespace

py::object werte(const std::string& rechenart, const std::string& aufzahl, const py::object& basis,
                 const py::object& exponent, std::optional<long> jobs, double haltNach, bool status,
                 const std::string& skalaName) {
    const auto haltNachMs = haltZeit(haltNach);
    const Skala skala = skalaAus(skalaName);
    const py::array b0 = zahlenArray(basis, "basis");
    const py::array e0 = zahlenArray(exponent, "exponent");
    py::tuple paar;
    try {
        paar = py::module_::import("numpy").attr("broadcast_arrays")(b0, e0);
    } catch (const py::error_already_set& fehler) {
        if (!fehler.matches(PyExc_ValueError)) throw;
        throw py::value_error("basis und exponent lassen sich nicht zu einer Form ausdehnen: " +
                              py::str(b0.attr("shape")).cast<std::string>() + " und " +
                              py::str(e0.attr("shape")).cast<std::string>() + ".");
    }
    using Zahlen = py::array_t<double, py::array::c_style | py::array::forcecast>;
    const Zahlen b = Zahlen::ensure(paar[0]);
    const Zahlen e = Zahlen::ensure(paar[1]);
    const std::vector<py::ssize_t> form(b.shape(), b.shape() + b.ndim());
    py::array_t<double> ergebnis(form);
    py::array_t<bool> gueltig(form);
    py::array_t<std::int64_t> fehlerstatus(form);

    const std::size_t n = static_cast<std::size_t>(b.size());
    const double* bs = b.data();
    const double* es = e.data();
    double* aus = ergebnis.mutable_data();
    bool* gut = gueltig.mutable_data();
    std::int64_t* stati = fehlerstatus.mutable_data();

    const Wertreihe reihe(rechenart, aufzahl);
    const auto threads = rechenthreads(threadAnzahl(jobs, n));
    std::atomic<std::size_t> naechster{0};
    std::atomic<bool> halt{false};
    const auto job = [&](Rechenthread& thread) {
        HaltWatchdog& watchdog = thread.watchdog();
        while (!halt.load(std::memory_order_relaxed)) {
            const std::size_t erster = naechster.fetch_add(kStueck, std::memory_order_relaxed);
            if (erster >= n) break;
            const std::size_t ende = std::min(n, erster + kStueck);
            for (std::size_t i = erster; i < ende && !halt.load(std::memory_order_relaxed); ++i) {
                ModulRA modul;
                watchdog.arm(modul, haltNachMs);
                const Wertreihe::Wert wert = reihe.rechne(modul, bs[i], es[i], skala);
                watchdog.disarm();
                aus[i] = wert.ergebnis;
                gut[i] = wert.gueltig;
                stati[i] = static_cast<std::int64_t>(wert.fehlerstatus);
            }
        }
    };
    rechnenUnterbrechbar(threads, job, [&] {
        halt.store(true);
        for (Rechenthread* t : threads) t->watchdog().jetztAnhalten();
    });

    const auto einzeln = [&form](py::array array) -> py::object {
        return form.empty() ? py::object(array[py::tuple()]) : py::object(array);
    };
    if (!status) return einzeln(ergebnis);
    return py::make_tuple(einzeln(ergebnis), einzeln(gueltig), einzeln(fehlerstatus));
}

}  // namespace staffel::python
