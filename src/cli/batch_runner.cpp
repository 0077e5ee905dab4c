#include "cli/batch_runner.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "cli/json_text.h"
#include "engine/calculation_runner.h"
#include "engine/number_text.h"

namespace staffel::cli {

namespace {

constexpr const char* kZeileFehlerhaft =
    "Zeile braucht vier durch Tabulatoren getrennte Felder: R, A, B, E";

class SammelHost : public EngineHost {
  public:
    void zeigeMeldung(const std::string& text) override { meldungen.push_back(text); }
    std::vector<std::string> meldungen;
};

// The keys of a JSON object are written in the order of their names, as QJsonObject keeps them.
decltype(Antwort::zaehler) zaehlerLesen(const ModulRA& m) {
    return {{
        {"aktIntervall", m.AktIntervall.get()},
        {"ber", m.ZaehlerBer.get()},
        {"g0", m.ZaehlerG0.get()},
        {"g00", m.ZaehlerG00.get()},
        {"g1", m.ZaehlerG1.get()},
        {"g11", m.ZaehlerG11.get()},
        {"iii", m.ZaehlerIII.get()},
        {"intervalle", m.AnzahlIntervalle.get()},
        {"iv", m.ZaehlerIV.get()},
        {"na", m.ZaehlerNA.get()},
    }};
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
    if (wert && modul.Meldung.empty() && std::isfinite(modul.Ergebnis)) {
        antwort.ergebnis = modul.Ergebnis;
    }
    antwort.meldung = modul.Meldung;
    antwort.name = wert ? anzeige.nameText : modul.NameRechenart;
    antwort.fehlerstatus = modul.Fehlerstatus;
    if (wert) antwort.groesse = std::move(anzeige.groesse);
    antwort.gueltig = wert && anzeige.gueltig;
    antwort.meldungen = std::move(host.meldungen);
    antwort.aufloesungsliste = modul.AuflListe;
    // The step label as shown: Berechnung may change AnzahlStellen on its way down.
    if (anzeige.stepText) antwort.step = static_cast<int>(ZahlLesen(*anzeige.stepText).wert);
    antwort.zaehler = zaehlerLesen(modul);
    return antwort;
}

std::optional<RechenEingabe> zeileLesen(const std::string& zeile, bool grenzwert) {
    std::string_view rest = zeile;
    if (rest.ends_with('\r')) rest.remove_suffix(1);
    const auto tabs = std::count(rest.begin(), rest.end(), '\t');
    if (tabs != 3 && !(tabs == 2 && grenzwert)) return std::nullopt;
    RechenEingabe eingabe;
    for (std::string* feld :
         {&eingabe.rechenart, &eingabe.aufzahl, &eingabe.basis, &eingabe.exponent}) {
        const std::size_t tab = std::min(rest.find('\t'), rest.size());
        feld->assign(rest.substr(0, tab));
        rest.remove_prefix(std::min(tab + 1, rest.size()));
    }
    return eingabe;
}

std::string zeileBeantworten(const std::string& zeile, const Optionen& optionen,
                             HaltWatchdog& watchdog) {
    if (const auto eingabe = zeileLesen(zeile, optionen.grenzwert)) {
        return jsonZeile(berechneEinzeln(*eingabe, optionen, watchdog));
    }
    Antwort fehlerhaft;
    fehlerhaft.fehler = kZeileFehlerhaft;
    return jsonZeile(fehlerhaft);
}

std::string jsonZeile(const Antwort& a) {
    std::string z;
    if (!a.fehler.empty()) {
        z = "{\"error\":";
        jsonText(z, a.fehler);
        z += "}\n";
        return z;
    }
    z.reserve(512);
    z = "{\"aufloesungsliste\":";
    jsonText(z, a.aufloesungsliste);
    z += ",\"ergebnis\":";
    a.ergebnis ? jsonZahl(z, *a.ergebnis) : void(z += "null");
    z += ",\"ergebnisText\":";
    a.ergebnisText ? jsonText(z, *a.ergebnisText) : void(z += "null");
    z += ",\"fehlerstatus\":";
    jsonGanz(z, a.fehlerstatus);
    z += ",\"groesse\":";
    a.groesse ? jsonText(z, *a.groesse) : void(z += "null");
    z += a.gueltig ? ",\"gueltig\":true" : ",\"gueltig\":false";
    z += ",\"meldung\":";
    jsonText(z, a.meldung);
    z += ",\"meldungen\":[";
    for (std::size_t i = 0; i < a.meldungen.size(); ++i) {
        if (i > 0) z += ',';
        jsonText(z, a.meldungen[i]);
    }
    z += "],\"name\":";
    jsonText(z, a.name);
    z += ",\"step\":";
    a.step ? jsonGanz(z, *a.step) : void(z += "null");
    z += ",\"zaehler\":{";
    for (const auto& [name, wert] : a.zaehler) {
        if (z.back() != '{') z += ',';
        z += '"';
        z += name;
        z += "\":";
        jsonGanz(z, wert);
    }
    z += "}}\n";
    return z;
}

}  // namespace staffel::cli
