#pragma once

#include <QJsonObject>
#include <QStringList>
#include <chrono>
#include <optional>
#include <string>

#include "engine/rechnen.h"

namespace staffel::cli {

struct Optionen {
    std::chrono::milliseconds haltNach{10000};
    bool grenzwert = false;
};

// One calculation as "Rechne !" (or, with grenzwert, "Lim e->+-oo") runs it on a freshly
// reset state, stopped by the halt request after haltNach. Returns the JSON object of
// the command-line contract.
QJsonObject berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen);

// Splits a batch line "R<TAB>A<TAB>B<TAB>E"; nullopt when malformed.
std::optional<RechenEingabe> zeileLesen(const std::string& zeile, bool grenzwert);

}  // namespace staffel::cli
