#include "cli/argumente.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "cli/aufruf_optionen.h"

namespace staffel::cli {

namespace {

// "-1", "-.5", "-,5", "-1/4": the reading rule takes a sign before digits, a point or a
// comma, so such an argument is a number.
bool istNegativeZahl(const std::string& text) {
    return text.size() > 1 && text[0] == '-' &&
           ((text[1] >= '0' && text[1] <= '9') || text[1] == '.' || text[1] == ',');
}

const AufrufOption* optionFinden(std::string_view name) {
    const auto optionen = aufrufOptionen();
    const auto option = std::find_if(optionen.begin(), optionen.end(), [name](const auto& o) {
        return name == o.name || (!o.kurz.empty() && name == o.kurz);
    });
    return option == optionen.end() ? nullptr : &*option;
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
        // Options take one or two dashes, and an option with a value takes it after "=" or as
        // the next argument.
        std::string name = argument.substr(argument.starts_with("--") ? 2 : 1);
        std::optional<std::string> wert;
        if (const auto gleich = name.find('='); gleich != std::string::npos) {
            wert = name.substr(gleich + 1);
            name.resize(gleich);
        }
        const AufrufOption* option = optionFinden(name);
        const bool schalter = option && option->wert.empty();
        if (!option || (schalter && wert)) return fehler("Unbekannte Option: " + argument);
        if (!schalter && !wert && i + 1 < argumente.size()) wert = argumente[++i];
        if ((!schalter && !wert) || !option->setzen(aufruf, wert.value_or(""))) {
            return fehler(std::string(option->falscherWert));
        }
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
