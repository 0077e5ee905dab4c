#include "engine/run/antwort.h"

#include "engine/modul_ra.h"
#include "engine/numbers/number_text.h"
#include "engine/run/calculation_runner.h"
#include "engine/run/rechnen.h"

namespace staffel {

namespace {

// The boxes reach the answer through the engine; only a job that failed to run at all
// (short of memory) leaves its message here.
class SammelHost : public EngineHost {
  public:
    void zeigeMeldung(TextId text) override { meldungen.emplace_back(deutsch(text)); }
    std::vector<std::string> meldungen;
};

}  // namespace

namespace {

enum class Worte : std::uint8_t { Zahl, Meldung, ErsteBox, Ueberlauf };

// One rule for both renderings, decided on the texts, which a pickled answer keeps too.
Worte worte(const Antwort& antwort) {
    if (!antwort.meldung.empty()) return Worte::Meldung;
    if (antwort.gueltig) return Worte::Zahl;
    if (!antwort.meldungen.empty()) return Worte::ErsteBox;
    return antwort.groesse ? Worte::Ueberlauf : Worte::Zahl;
}

}  // namespace

TextId angezeigteMeldung(const Antwort& antwort) {
    switch (worte(antwort)) {
        case Worte::Meldung:
            return antwort.meldungId;
        case Worte::ErsteBox:
            return antwort.meldungIds.empty() ? TextId::Keine : antwort.meldungIds.front();
        case Worte::Ueberlauf:
            return TextId::Ueberlauf;
        case Worte::Zahl:
            break;
    }
    return TextId::Keine;
}

std::string angezeigterText(const Antwort& antwort) {
    switch (worte(antwort)) {
        case Worte::Meldung:
            return Trimmen(antwort.meldung);
        case Worte::ErsteBox:
            return Trimmen(antwort.meldungen.front());
        case Worte::Ueberlauf:
            return Trimmen(deutsch(TextId::Ueberlauf));
        case Worte::Zahl:
            break;
    }
    return Trimmen(antwort.ergebnisText.value_or(std::string()));
}

Antwort berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                        HaltWatchdog& watchdog) {
    SammelHost host;
    ModulRA modul(&host);
    modul.memoEinschalten(!optionen.ohneMemo);
    RechenEingabe eingabeFuerLauf = eingabe;
    if (optionen.grenzwert) eingabeFuerLauf.exponent = texte::Unendlich;

    Antwort antwort;
    if (!watchdog.arm(modul, optionen.haltNach)) {
        antwort.fehler = kNichtGestartet;
        return antwort;
    }
    bool gerechnet = false;
    CalculationRunner::runGuarded(
        [&] {
            antwort = modul.rechne(eingabeFuerLauf, {optionen.grenzwert});
            gerechnet = true;
        },
        &host);
    watchdog.disarm();
    // A run cut short by an exception tells the boxes it raised and why it ended.
    if (!gerechnet) antwort.meldungen = std::move(host.meldungen);
    return antwort;
}

}  // namespace staffel
