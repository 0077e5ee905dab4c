#include <QJsonArray>
#include <QJsonDocument>
#include <csignal>
#include <iostream>
#include <string>

#include "cli/argumente.h"
#include "cli/batch_runner.h"

namespace {

constexpr const char* kUsage =
    "Aufruf:\n"
    "  staffelrechner-cli [--json] [--limit] [--halt-after SEKUNDEN] [--] R A B E\n"
    "  staffelrechner-cli --batch [--limit] [--halt-after SEKUNDEN] < zeilen\n"
    "\n"
    "Rechnet m[R, A][B, E] wie \"Rechne !\" im Fenster. A darf leer sein (\"\").\n"
    "Negative Zahlen wie -1 oder -1/4 sind Texte, keine Optionen; nach -- ist jedes\n"
    "weitere Argument ein Text.\n"
    "\n"
    "  --json        ein JSON-Objekt statt des Ergebnistextes\n"
    "  --batch       liest Zeilen R<TAB>A<TAB>B<TAB>E, schreibt je Zeile ein JSON-Objekt\n"
    "  --limit       Grenzwert für E gegen +-Unendlich (E wird ignoriert)\n"
    "  --halt-after  hält jede Rechnung nach so vielen Sekunden an (Vorgabe 10;\n"
    "                0 heißt ohne Zeitgrenze)\n"
    "  -h, --help    dieser Text\n"
    "\n"
    "Rückgabewert: 0, wenn gerechnet wurde; 1, wenn die Ausgabe nicht geschrieben oder\n"
    "eine Rechnung nicht gestartet werden konnte; 2 bei falschem Aufruf.\n";

constexpr const char* kZeileFehlerhaft =
    "Zeile braucht vier durch Tabulatoren getrennte Felder: R, A, B, E";

// False once standard output is gone (a full disk, a closed pipe).
bool ausgeben(const std::string& text) {
    std::cout << text;
    std::cout.flush();
    return static_cast<bool>(std::cout);
}

int ausgabeFehler() {
    std::cerr << "staffelrechner-cli: Die Ausgabe lässt sich nicht schreiben.\n";
    return 1;
}

std::string zeile(const QJsonObject& json) {
    return QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString() + '\n';
}

}  // namespace

int main(int argc, char** argv) {
    using namespace staffel;
    // A closed pipe becomes a failed write that is reported, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    const cli::Aufruf aufruf = cli::aufrufLesen({argv + 1, argv + argc});
    if (!aufruf.fehler.empty()) {
        std::cerr << aufruf.fehler << "\n\n" << kUsage;
        return 2;
    }
    if (aufruf.hilfe) return ausgeben(kUsage) ? 0 : ausgabeFehler();

    if (aufruf.batch) {
        std::string text;
        while (std::getline(std::cin, text)) {
            const auto eingabe = cli::zeileLesen(text, aufruf.optionen.grenzwert);
            const QJsonObject antwort = eingabe ? cli::berechneEinzeln(*eingabe, aufruf.optionen)
                                                : QJsonObject{{"error", kZeileFehlerhaft}};
            if (!ausgeben(zeile(antwort))) return ausgabeFehler();
        }
        return 0;
    }

    const auto& t = aufruf.texte;
    const QJsonObject ergebnis = cli::berechneEinzeln({t[0], t[1], t[2], t[3]}, aufruf.optionen);
    if (ergebnis.contains("error")) {
        std::cerr << ergebnis["error"].toString().toStdString() << '\n';
        return 1;
    }
    if (aufruf.json) return ausgeben(zeile(ergebnis)) ? 0 : ausgabeFehler();
    for (const auto& meldung : ergebnis["meldungen"].toArray()) {
        std::cerr << "Problem: " << meldung.toString().toStdString() << '\n';
    }
    return ausgeben(ergebnis["ergebnisText"].toString().toStdString() + '\n') ? 0 : ausgabeFehler();
}
