#pragma once

#include <optional>
#include <string>

#include "engine/run/antwort.h"
#include "engine/run/halt_watchdog.h"
#include "engine/run/rechnen.h"

namespace staffel::cli {

// The answer of one calculation lives with the engine, which the Python module shares.
using staffel::Antwort;
using staffel::berechneEinzeln;
using staffel::kNichtGestartet;
using staffel::Optionen;

// Splits a batch line "R<TAB>A<TAB>B<TAB>E"; nullopt when malformed.
std::optional<RechenEingabe> zeileLesen(const std::string& zeile, bool grenzwert);

// The answer to one batch line: its JSON object in one line, with the line end. On a
// CalculationRunner's thread, as berechneEinzeln.
std::string zeileBeantworten(const std::string& zeile, const Optionen& optionen,
                             HaltWatchdog& watchdog);

// The JSON object of the command-line contract in one line, with the line end.
std::string jsonZeile(const Antwort& antwort);

}  // namespace staffel::cli
