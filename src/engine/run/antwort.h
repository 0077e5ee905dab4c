#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/run/eingabe.h"
#include "engine/run/halt_watchdog.h"

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

// The counters by name, in the order of kZaehlerNamen.
using Zaehlerstaende = std::array<std::pair<const char*, std::int64_t>, kZaehlerNamen.size()>;

constexpr Zaehlerstaende zaehlerstaende(
    const std::array<std::int64_t, kZaehlerNamen.size()>& werte = {}) {
    Zaehlerstaende staende{};
    for (std::size_t i = 0; i < staende.size(); ++i) staende[i] = {kZaehlerNamen[i], werte[i]};
    return staende;
}

inline constexpr const char* kNichtGestartet = "Die Berechnung konnte nicht gestartet werden.";

// What one calculation tells every front end: the window's labels, the command line's JSON,
// the Python module's Rechnung; fehler alone when it could not run. The texts are the
// engine's bytes, which need not be valid UTF-8.
struct Antwort {
    std::string fehler;
    std::optional<std::string> ergebnisText;
    std::optional<double> ergebnis;
    std::string meldung;
    std::string name;
    std::int64_t fehlerstatus = 0;  // ModulRA::Fehlerstatus by its number
    std::string formel;  // "m[R , A][b , e]" as read (value and graph); empty when refused
    std::optional<std::string> groesse;  // the size of a result beyond 10^308
    bool gueltig = false;
    // The result in the graph's other two scales, log10 |v| and the tower height, from its
    // size beyond 10^308; nullopt where there is neither value nor size, where log10 |v|
    // itself leaves the doubles, or where the size's layer count is only a lower bound.
    std::optional<double> hoehe;
    std::optional<double> log10;
    std::vector<std::string> meldungen;
    std::string aufloesungsliste;
    std::optional<int> step;
    Zaehlerstaende zaehler = zaehlerstaende();

    // Beside the fields of the JSON line, for the windows.
    RechenAusgang ausgang = RechenAusgang::EingabeFehlt;
    TextId meldungId = TextId::Keine;  // meldung and name by id, for translating them
    std::vector<TextId> meldungIds;    // the boxes raised, by id
    RechenartName nameId;
    std::optional<bool> aufzahlGesperrt;  // A needs no digits: its field is locked
    int anzahlStellen = 0;                // the step count as the calculation left it
};
static_assert(std::tuple_size_v<Zaehlerstand> == kZaehlerNamen.size());

// A field of the command line's JSON object: its key and the member that holds it.
template <class T>
struct JsonFeld {
    using Wert = T;
    std::string_view schluessel;
    T Antwort::*glied;
    const T& lesen(const Antwort& a) const { return a.*glied; }
    void setzen(Antwort& a, T wert) const { a.*glied = std::move(wert); }
};
template <class T>
JsonFeld(std::string_view, T Antwort::*) -> JsonFeld<T>;

// fehlerstatus is a whole number in the JSON, in Python and in the pickle state: it is cast
// here and nowhere else.
struct FehlerstatusFeld {
    using Wert = std::int64_t;
    std::string_view schluessel;
    static std::int64_t lesen(const Antwort& a) {
        return static_cast<std::int64_t>(a.fehlerstatus);
    }
    static void setzen(Antwort& a, std::int64_t wert) { a.fehlerstatus = wert; }
};

// The fields of the JSON object in its order (its keys sorted, as QJsonObject keeps them). The
// JSON line and the Python module's attributes, as_dict() and pickle state are all made from
// this list; a member that is not in it is in none of them.
inline constexpr std::tuple kJsonFelder{
    JsonFeld{"aufloesungsliste", &Antwort::aufloesungsliste},
    JsonFeld{"ergebnis", &Antwort::ergebnis},
    JsonFeld{"ergebnisText", &Antwort::ergebnisText},
    FehlerstatusFeld{"fehlerstatus"},
    JsonFeld{"formel", &Antwort::formel},
    JsonFeld{"groesse", &Antwort::groesse},
    JsonFeld{"gueltig", &Antwort::gueltig},
    JsonFeld{"hoehe", &Antwort::hoehe},
    JsonFeld{"log10", &Antwort::log10},
    JsonFeld{"meldung", &Antwort::meldung},
    JsonFeld{"meldungen", &Antwort::meldungen},
    JsonFeld{"name", &Antwort::name},
    JsonFeld{"step", &Antwort::step},
    JsonFeld{"zaehler", &Antwort::zaehler},
};

// Calls besucher with each field of kJsonFelder in turn.
template <class Besucher>
constexpr void jsonFelderBesuchen(Besucher&& besucher) {
    std::apply([&besucher](const auto&... feld) { (besucher(feld), ...); }, kJsonFelder);
}

// What a window shows in place of an invalid result's number: the Meldung, else the first box
// the calculation raised, else the overflow's words when only the size is known. Keine when
// the number stands. The JSON line keeps the number as the engine left it.
TextId angezeigteMeldung(const Antwort& antwort);
// The same in the engine's German, without the label's padding: the number's text where it
// stands, else the words of angezeigteMeldung.
std::string angezeigterText(const Antwort& antwort);

// One calculation as "Rechne !" (or, with grenzwert, "Lim e->+-oo") runs it on a freshly
// reset state, halted by the watchdog after haltNach. Runs on a CalculationRunner's thread (or
// a stack as large): the deepest chains need its stack.
Antwort berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                        HaltWatchdog& watchdog);

}  // namespace staffel
