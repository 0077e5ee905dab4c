#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/halt_watchdog.h"
#include "engine/rechnen.h"

namespace staffel::cli {

struct Optionen {
    std::chrono::milliseconds haltNach{10000};
    bool grenzwert = false;
    unsigned jobs = 0;      // workers of a batch; 0: one per hardware thread
    bool ohneMemo = false;  // every nested calculation computed again, for comparison
};

inline constexpr const char* kNichtGestartet = "Die Berechnung konnte nicht gestartet werden.";

// What the command line tells of one calculation; fehler alone when it could not run.
struct Antwort {
    std::string fehler;
    std::optional<std::string> ergebnisText;
    std::optional<double> ergebnis;
    std::string meldung;
    std::string name;
    std::int64_t fehlerstatus = 0;
    std::optional<std::string> groesse;
    bool gueltig = false;
    std::vector<std::string> meldungen;
    std::string aufloesungsliste;
    std::optional<int> step;
    std::array<std::pair<const char*, std::int64_t>, 10> zaehler{};  // in the order of the names
};

// One calculation as "Rechne !" (or, with grenzwert, "Lim e->+-oo") runs it on a freshly
// reset state, halted by the watchdog after haltNach. Runs on a CalculationRunner's thread: the
// deepest chains need its stack.
Antwort berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                        HaltWatchdog& watchdog);

// Splits a batch line "R<TAB>A<TAB>B<TAB>E"; nullopt when malformed.
std::optional<RechenEingabe> zeileLesen(const std::string& zeile, bool grenzwert);

// The answer to one batch line: its JSON object in one line, with the line end. On a
// CalculationRunner's thread, as berechneEinzeln.
std::string zeileBeantworten(const std::string& zeile, const Optionen& optionen,
                             HaltWatchdog& watchdog);

// The JSON object of the command-line contract in one line, with the line end.
std::string jsonZeile(const Antwort& antwort);

}  // namespace staffel::cli
