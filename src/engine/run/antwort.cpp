#include "engine/run/antwort.h"

#include "engine/modul_ra.h"
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

TextId angezeigteMeldung(const Antwort& antwort) {
    if (antwort.meldungId != TextId::Keine) return antwort.meldungId;
    if (antwort.gueltig) return TextId::Keine;
    if (!antwort.meldungIds.empty()) return antwort.meldungIds.front();
    return antwort.groesse ? TextId::Ueberlauf : TextId::Keine;
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
