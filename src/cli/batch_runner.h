#pragma once

#include <QJsonObject>
#include <chrono>
#include <optional>
#include <string>

#include "engine/halt_watchdog.h"
#include "engine/rechnen.h"

namespace staffel::cli {

struct Optionen {
    std::chrono::milliseconds haltNach{10000};
    bool grenzwert = false;
    unsigned jobs = 0;  // workers of a batch; 0: one per hardware thread
};

inline constexpr const char* kNichtGestartet = "Die Berechnung konnte nicht gestartet werden.";

// One calculation as "Rechne !" (or, with grenzwert, "Lim e->+-oo") runs it on a freshly
// reset state, halted by the watchdog after haltNach. Returns the JSON object of the
// command-line contract. Runs on a CalculationRunner's thread: the deepest chains need its stack.
QJsonObject berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                            HaltWatchdog& watchdog);

// Splits a batch line "R<TAB>A<TAB>B<TAB>E"; nullopt when malformed.
std::optional<RechenEingabe> zeileLesen(const std::string& zeile, bool grenzwert);

// The answer to one batch line: its JSON object in one line, with the line end. On a
// CalculationRunner's thread, as berechneEinzeln.
std::string zeileBeantworten(const std::string& zeile, const Optionen& optionen,
                             HaltWatchdog& watchdog);

// A JSON object in one line, with the line end.
std::string jsonZeile(const QJsonObject& json);

}  // namespace staffel::cli
