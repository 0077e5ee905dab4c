#include "engine/run/antwort.h"

#include <cmath>

#include "engine/numbers/number_text.h"
#include "engine/run/calculation_runner.h"

namespace staffel {

namespace {

class SammelHost : public EngineHost {
  public:
    void zeigeMeldung(TextId text) override { meldungen.emplace_back(deutsch(text)); }
    std::vector<std::string> meldungen;
};

decltype(Antwort::zaehler) zaehlerLesen(const ModulRA& m) {
    const std::array<std::int64_t, kZaehlerNamen.size()> werte = {
        m.AktIntervall.get(), m.ZaehlerBer.get(), m.ZaehlerG0.get(),  m.ZaehlerG00.get(),
        m.ZaehlerG1.get(),    m.ZaehlerG11.get(), m.ZaehlerIII.get(), m.AnzahlIntervalle.get(),
        m.ZaehlerIV.get(),    m.ZaehlerNA.get()};
    decltype(Antwort::zaehler) zaehler;
    for (std::size_t i = 0; i < zaehler.size(); ++i) zaehler[i] = {kZaehlerNamen[i], werte[i]};
    return zaehler;
}

}  // namespace

Antwort berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                        HaltWatchdog& watchdog) {
    SammelHost host;
    ModulRA modul(&host);
    modul.memoEinschalten(!optionen.ohneMemo);
    RechenEingabe eingabeFuerLauf = eingabe;
    if (optionen.grenzwert) {
        modul.GrenzwertModus = true;
        eingabeFuerLauf.exponent = texte::Unendlich;
    }

    Antwort antwort;
    if (!watchdog.arm(modul, optionen.haltNach)) {
        antwort.fehler = kNichtGestartet;
        return antwort;
    }
    RechenAnzeige anzeige;
    CalculationRunner::runGuarded([&] { anzeige = Rechne(modul, eingabeFuerLauf); }, &host);
    watchdog.disarm();

    const bool wert = anzeige.ausgang == RechenAusgang::Wert;
    if (wert) antwort.ergebnisText = std::move(anzeige.ergebnisText);
    if (wert && modul.MeldungId == TextId::Keine && std::isfinite(modul.Ergebnis)) {
        antwort.ergebnis = modul.Ergebnis;
    }
    // By id, as the windows show them: the golden answers hold the ids to their texts.
    antwort.meldung = deutsch(modul.MeldungId);
    antwort.name = deutsch(wert ? anzeige.nameId : modul.NameRechenartId);
    antwort.fehlerstatus = static_cast<std::int64_t>(modul.Fehlerstatus);
    if (wert) antwort.groesse = std::move(anzeige.groesse);
    antwort.gueltig = wert && anzeige.gueltig;
    antwort.meldungen = std::move(host.meldungen);
    antwort.aufloesungsliste = modul.AuflListe;
    // The step label as shown: Berechnung may change AnzahlStellen on its way down.
    if (anzeige.stepText) antwort.step = static_cast<int>(ZahlLesen(*anzeige.stepText).wert);
    antwort.zaehler = zaehlerLesen(modul);
    return antwort;
}

}  // namespace staffel
