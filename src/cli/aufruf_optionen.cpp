#include "cli/aufruf_optionen.h"

#include <charconv>
#include <chrono>
#include <optional>
#include <string>

#include "cli/batch_workers.h"

namespace staffel::cli {

namespace {

bool jobsLesen(Aufruf& aufruf, std::string_view wert) {
    unsigned jobs = 0;
    const char* ende = wert.data() + wert.size();
    if (std::from_chars(wert.data(), ende, jobs).ptr != ende || jobs < 1 || jobs > kMaxJobs) {
        return false;
    }
    aufruf.optionen.jobs = jobs;
    return true;
}

std::optional<std::chrono::milliseconds> sekundenLesen(std::string text) {
    if (const auto komma = text.find(','); komma != std::string::npos) text[komma] = '.';
    double sekunden = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), sekunden);
    if (fehler != std::errc() || ende != text.data() + text.size() || !(sekunden >= 0) ||
        sekunden > 1e6) {
        return std::nullopt;
    }
    return std::chrono::ceil<std::chrono::milliseconds>(std::chrono::duration<double>(sekunden));
}

bool haltNachLesen(Aufruf& aufruf, std::string_view wert) {
    const auto zeit = sekundenLesen(std::string(wert));
    if (zeit) aufruf.optionen.haltNach = *zeit;
    return zeit.has_value();
}

// A switch takes no value: it turns its flag on.
template <bool Aufruf::*kFlag>
bool einschalten(Aufruf& aufruf, std::string_view) {
    aufruf.*kFlag = true;
    return true;
}

template <bool Optionen::*kFlag>
bool einschalten(Aufruf& aufruf, std::string_view) {
    aufruf.optionen.*kFlag = true;
    return true;
}

constexpr AufrufOption kOptionen[] = {
    {.name = "json",
     .uebersicht = Uebersicht::Einzeln,
     .setzen = einschalten<&Aufruf::json>,
     .hilfe = "ein JSON-Objekt statt des Ergebnistextes"},
    {.name = "batch",
     .uebersicht = Uebersicht::Keine,
     .setzen = einschalten<&Aufruf::batch>,
     .hilfe = "liest Zeilen R<TAB>A<TAB>B<TAB>E, schreibt je Zeile ein JSON-Objekt"},
    {.name = "jobs",
     .wert = "N",
     .uebersicht = Uebersicht::Stapel,
     .setzen = jobsLesen,
     .falscherWert = "--jobs braucht eine ganze Zahl von 1 bis 256.",
     .hilfe = "rechnet die Zeilen mit N Rechnungen zugleich, N von 1 bis 256 (Vorgabe:\n"
              "so viele, wie der Rechner Kerne hat, höchstens 256); die Antworten\n"
              "bleiben in der Reihenfolge der Zeilen"},
    {.name = "limit",
     .uebersicht = Uebersicht::Beide,
     .setzen = einschalten<&Optionen::grenzwert>,
     .hilfe = "Grenzwert für E gegen +-Unendlich (E wird ignoriert)"},
    {.name = "halt-after",
     .wert = "SEKUNDEN",
     .uebersicht = Uebersicht::Beide,
     .setzen = haltNachLesen,
     .falscherWert = "--halt-after braucht eine Zahl von Sekunden.",
     .hilfe = "hält jede Rechnung nach so vielen Sekunden an (Vorgabe 10;\n"
              "0 heißt ohne Zeitgrenze)"},
    {.name = "ohne-memo",
     .uebersicht = Uebersicht::Beide,
     .setzen = einschalten<&Optionen::ohneMemo>,
     .hilfe = "rechnet jede innere Rechnung neu, statt ihre Wirkung zu wiederholen\n"
              "(gleiche Antworten, nur langsamer; zum Vergleich)"},
    {.name = "help",
     .kurz = "h",
     .uebersicht = Uebersicht::Keine,
     .setzen = einschalten<&Aufruf::hilfe>,
     .hilfe = "dieser Text"},
};

}  // namespace

std::span<const AufrufOption> aufrufOptionen() {
    return kOptionen;
}

}  // namespace staffel::cli
