#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/run/halt_watchdog.h"
#include "engine/run/rechnen.h"

namespace staffel {

struct Optionen {
    std::chrono::milliseconds haltNach{10000};
    bool grenzwert = false;
    unsigned jobs = 0;      // workers of a batch; 0: one per hardware thread
    bool ohneMemo = false;  // every nested calculation computed again, for comparison
};

// The names of the counters in an answer, in the order of the names, as QJsonObject keeps them.
inline constexpr std::array<const char*, 10> kZaehlerNamen = {
    "aktIntervall", "ber", "g0", "g00", "g1", "g11", "iii", "intervalle", "iv", "na"};

inline constexpr const char* kNichtGestartet = "Die Berechnung konnte nicht gestartet werden.";

// What the command line and the Python module tell of one calculation; fehler alone when it
// could not run. The texts are the engine's bytes, which need not be valid UTF-8.
struct Antwort {
    std::string fehler;
    std::optional<std::string> ergebnisText;
    std::optional<double> ergebnis;
    std::string meldung;
    std::string name;
    std::int64_t fehlerstatus = 0;       // ModulRA::Fehlerstatus by its number
    std::optional<std::string> groesse;  // the size of a result beyond 10^308
    bool gueltig = false;
    std::vector<std::string> meldungen;
    std::string aufloesungsliste;
    std::optional<int> step;
    std::array<std::pair<const char*, std::int64_t>, kZaehlerNamen.size()>
        zaehler{};  // kZaehlerNamen
};

// One calculation as "Rechne !" (or, with grenzwert, "Lim e->+-oo") runs it on a freshly
// reset state, halted by the watchdog after haltNach. Runs on a CalculationRunner's thread (or
// a stack as large): the deepest chains need its stack.
Antwort berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                        HaltWatchdog& watchdog);

}  // namespace staffel
