#include "cli/argumente.h"

#include <charconv>
#include <chrono>
#include <optional>
#include <utility>

#include "cli/batch_workers.h"

namespace staffel::cli {

namespace {

// "-1", "-.5", "-,5", "-1/4": the reading rule takes a sign before digits, a point or a
// comma, so such an argument is a number.
bool istNegativeZahl(const std::string& text) {
    return text.size() > 1 && text[0] == '-' &&
           ((text[1] >= '0' && text[1] <= '9') || text[1] == '.' || text[1] == ',');
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

}  // namespace

Aufruf aufrufLesen(const std::vector<std::string>& argumente) {
    Aufruf aufruf;
    const auto fehler = [&aufruf](std::string grund) {
        aufruf.fehler = std::move(grund);
        return aufruf;
    };
    bool nurTexte = false;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& argument = argumente[i];
        if (nurTexte || argument.empty() || argument[0] != '-' || istNegativeZahl(argument)) {
            aufruf.texte.push_back(argument);
            continue;
        }
        if (argument == "--") {
            nurTexte = true;
            continue;
        }
        // Options take one or two dashes; --halt-after and --jobs take their value after "=" or
        // next.
        std::string name = argument.substr(argument.starts_with("--") ? 2 : 1);
        std::optional<std::string> wert;
        if (const auto gleich = name.find('='); gleich != std::string::npos) {
            wert = name.substr(gleich + 1);
            name.resize(gleich);
        }
        if (name == "jobs") {
            if (!wert && i + 1 < argumente.size()) wert = argumente[++i];
            unsigned jobs = 0;
            const char* ende = wert ? wert->data() + wert->size() : nullptr;
            if (!wert || std::from_chars(wert->data(), ende, jobs).ptr != ende || jobs < 1 ||
                jobs > kMaxJobs) {
                return fehler("--jobs braucht eine ganze Zahl von 1 bis 256.");
            }
            aufruf.optionen.jobs = jobs;
            continue;
        }
        if (name == "halt-after") {
            if (!wert && i + 1 < argumente.size()) wert = argumente[++i];
            const auto zeit = wert ? sekundenLesen(*wert) : std::nullopt;
            if (!zeit) return fehler("--halt-after braucht eine Zahl von Sekunden.");
            aufruf.optionen.haltNach = *zeit;
            continue;
        }
        bool* schalter = name == "json"                  ? &aufruf.json
                         : name == "batch"               ? &aufruf.batch
                         : name == "limit"               ? &aufruf.optionen.grenzwert
                         : name == "ohne-memo"           ? &aufruf.optionen.ohneMemo
                         : name == "help" || name == "h" ? &aufruf.hilfe
                                                         : nullptr;
        if (!schalter || wert) return fehler("Unbekannte Option: " + argument);
        *schalter = true;
    }
    if (aufruf.hilfe) return aufruf;
    if (aufruf.batch) {
        return aufruf.texte.empty() ? aufruf : fehler("--batch nimmt keine weiteren Argumente.");
    }
    const std::size_t anzahl = aufruf.texte.size();
    if (anzahl != 4 && !(anzahl == 3 && aufruf.optionen.grenzwert)) {
        return fehler("Es werden die vier Texte R, A, B und E erwartet.");
    }
    aufruf.texte.resize(4);
    return aufruf;
}

}  // namespace staffel::cli
