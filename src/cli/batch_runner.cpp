#include "cli/batch_runner.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "cli/json_text.h"

namespace staffel::cli {

namespace {

constexpr const char* kZeileFehlerhaft =
    "Zeile braucht vier durch Tabulatoren getrennte Felder: R, A, B, E";

// The value of each type a field of the answer has, as QJsonDocument writes it.
void jsonWert(std::string& z, const std::string& text) {
    jsonText(z, text);
}

void jsonWert(std::string& z, double zahl) {
    jsonZahl(z, zahl);
}

void jsonWert(std::string& z, std::int64_t zahl) {
    jsonGanz(z, zahl);
}

void jsonWert(std::string& z, int zahl) {
    jsonGanz(z, zahl);
}

void jsonWert(std::string& z, bool wahr) {
    z += wahr ? "true" : "false";
}

void jsonWert(std::string& z, const std::vector<std::string>& texte) {
    z += '[';
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (i > 0) z += ',';
        jsonText(z, texte[i]);
    }
    z += ']';
}

void jsonWert(std::string& z, const Zaehlerstaende& zaehler) {
    z += '{';
    for (const auto& [name, wert] : zaehler) {
        if (z.back() != '{') z += ',';
        z += '"';
        z += name;
        z += "\":";
        jsonGanz(z, wert);
    }
    z += '}';
}

template <class T>
void jsonWert(std::string& z, const std::optional<T>& wert) {
    wert ? jsonWert(z, *wert) : void(z += "null");
}

// A field's opening, {"key": or ,"key":, as a constant: appended as one piece of known length,
// since the line is written for every calculation.
template <std::size_t kFeld>
constexpr auto feldAnfang() {
    constexpr std::string_view schluessel = std::get<kFeld>(kJsonFelder).schluessel;
    std::array<char, schluessel.size() + 4> text{kFeld == 0 ? '{' : ',', '"'};
    std::copy(schluessel.begin(), schluessel.end(), text.begin() + 2);
    text[text.size() - 2] = '"';
    text[text.size() - 1] = ':';
    return text;
}

template <std::size_t kFeld>
constexpr auto kFeldAnfang = feldAnfang<kFeld>();

template <std::size_t... kFeld>
void felderSchreiben(std::string& z, const Antwort& a, std::index_sequence<kFeld...>) {
    ((z.append(kFeldAnfang<kFeld>.data(), kFeldAnfang<kFeld>.size()),
      jsonWert(z, std::get<kFeld>(kJsonFelder).lesen(a))),
     ...);
}

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
    felderSchreiben(z, a, std::make_index_sequence<std::tuple_size_v<decltype(kJsonFelder)>>());
    z += "}\n";
    return z;
}

}  // namespace staffel::cli
