#include "cli/aufruf_text.h"

#include <algorithm>
#include <string_view>

#include "cli/aufruf_optionen.h"

namespace staffel::cli {

namespace {

constexpr std::string_view kProgramm = "  staffelrechner-cli";

constexpr std::string_view kBeschreibung =
    "Rechnet m[R, A][B, E] wie \"Rechne !\" im Fenster. A darf leer sein (\"\").\n"
    "Negative Zahlen wie -1 oder -1/4 sind Texte, keine Optionen; nach -- ist jedes\n"
    "weitere Argument ein Text.\n";

constexpr std::string_view kRueckgabewert =
    "Rückgabewert: 0, wenn gerechnet wurde; 1, wenn die Eingabe nicht gelesen, die Ausgabe\n"
    "nicht geschrieben oder eine Rechnung nicht gestartet werden konnte; 2 bei falschem\n"
    "Aufruf; 128 + Nummer des Signals, wenn SIGINT, SIGTERM oder SIGHUP den Stapel beendet\n"
    "hat (die Antworten der begonnenen Zeilen sind dann geschrieben).\n";

// The options' descriptions start in this column, their further lines too.
constexpr std::size_t kHilfeSpalte = 16;

void uebersichtSchreiben(std::string& text, Uebersicht zeile) {
    for (const AufrufOption& option : aufrufOptionen()) {
        if (option.uebersicht != zeile && option.uebersicht != Uebersicht::Beide) continue;
        text += " [--";
        text += option.name;
        if (!option.wert.empty()) text += " " + std::string(option.wert);
        text += ']';
    }
}

void hilfeSchreiben(std::string& text, const AufrufOption& option) {
    std::string namen = "  ";
    if (!option.kurz.empty()) namen += "-" + std::string(option.kurz) + ", ";
    namen += "--" + std::string(option.name);
    namen.resize(std::max(namen.size() + 1, kHilfeSpalte), ' ');
    text += namen;
    for (const char c : option.hilfe) {
        text += c;
        if (c == '\n') text.append(kHilfeSpalte, ' ');
    }
    text += '\n';
}

}  // namespace

std::string aufrufText() {
    std::string text = "Aufruf:\n";
    text += kProgramm;
    uebersichtSchreiben(text, Uebersicht::Einzeln);
    text += " [--] R A B E\n";
    text += kProgramm;
    text += " --batch";
    uebersichtSchreiben(text, Uebersicht::Stapel);
    text += '\n' + std::string(kProgramm.size() + 1, ' ') + "< zeilen\n\n";
    text += kBeschreibung;
    text += '\n';
    for (const AufrufOption& option : aufrufOptionen()) hilfeSchreiben(text, option);
    text += '\n';
    text += kRueckgabewert;
    return text;
}

}  // namespace staffel::cli
