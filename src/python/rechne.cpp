#include "python/rechne.h"

#include <cmath>

#include "python/rechnen_vor_ort.h"

namespace py = pybind11;

namespace staffel::python {

namespace {
constexpr double kHoechstensSekunden = 1e6;
}  // namespace

std::chrono::milliseconds haltZeit(double sekunden) {
    if (!(sekunden >= 0 && sekunden <= kHoechstensSekunden)) {
        throw py::value_error("halt_nach braucht eine Zahl von Sekunden zwischen 0 und 1e6.");
    }
    return std::chrono::ceil<std::chrono::milliseconds>(std::chrono::duration<double>(sekunden));
}

Rechnung rechne(const std::string& rechenart, const std::string& aufzahl, const std::string& basis,
                const std::string& exponent, bool grenzwert, double haltNach) {
    Optionen optionen;
    optionen.haltNach = haltZeit(haltNach);
    optionen.grenzwert = grenzwert;
    const RechenEingabe eingabe{rechenart, aufzahl, basis, exponent};
    Rechnung rechnung;
    rechnenVorOrt([&](HaltWatchdog& watchdog) {
        rechnung.antwort = berechneEinzeln(eingabe, optionen, watchdog);
    });
    if (!rechnung.antwort.fehler.empty()) throw std::runtime_error(rechnung.antwort.fehler);
    return rechnung;
}

}  // namespace staffel::python
