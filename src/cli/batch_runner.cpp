#include "cli/batch_runner.h"

#include <algorithm>
#include <string_view>

#include "cli/json_text.h"

namespace staffel::cli {

namespace {

constexpr const char* kZeileFehlerhaft =
    "Zeile braucht vier durch Tabulatoren getrennte Felder: R, A, B, E";

}  // namespace

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
