#include <unistd.h>

#include <csignal>
#include <iostream>
#include <stop_token>
#include <string>

#include "cli/argumente.h"
#include "cli/aufruf_text.h"
#include "cli/batch_runner.h"
#include "cli/batch_workers.h"
#include "cli/signal_waechter.h"
#include "cli/unterbrechbare_eingabe.h"
#include "engine/run/calculation_runner.h"
#include "engine/run/utf8_text.h"

namespace {

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

int nichtGestartet() {
    std::cerr << "staffelrechner-cli: " << staffel::cli::kNichtGestartet << '\n';
    return 1;
}

// A signal ends the batch in order: no more lines are read, the running calculations are
// halted, and the answers of the lines begun are written before the process ends.
int stapel(const staffel::cli::Optionen& optionen) {
    using namespace staffel::cli;
    // The batch reads and writes in blocks; nothing else here uses the C streams.
    std::ios::sync_with_stdio(false);
    UnterbrechbareEingabe eingabe(STDIN_FILENO);
    std::istream ein(&eingabe);
    std::stop_source halt;
    const std::stop_callback leseEnde(halt.get_token(), [&eingabe] { eingabe.unterbrechen(); });
    const SignalWaechter waechter([&halt](int) { halt.request_stop(); });
    switch (stapelRechnen(ein, std::cout, optionen, zeileBeantworten, halt.get_token())) {
        case StapelEnde::Fertig:
            return 0;
        case StapelEnde::Angehalten:
            std::cerr << "staffelrechner-cli: Durch Signal " << waechter.signal()
                      << " beendet; die Antworten der begonnenen Zeilen sind geschrieben.\n";
            return 128 + waechter.signal();
        case StapelEnde::AusgabeWeg:
            return ausgabeFehler();
        case StapelEnde::EingabeFehler:
            std::cerr << "staffelrechner-cli: Die Eingabe lässt sich nicht lesen.\n";
            return 1;
        case StapelEnde::NichtGestartet:
            return nichtGestartet();
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace staffel;
    // A closed pipe becomes a failed write that is reported, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
    const cli::Aufruf aufruf = cli::aufrufLesen({argv + 1, argv + argc});
    if (!aufruf.fehler.empty()) {
        std::cerr << aufruf.fehler << "\n\n" << cli::aufrufText();
        return 2;
    }
    if (aufruf.hilfe) return ausgeben(cli::aufrufText()) ? 0 : ausgabeFehler();

    if (aufruf.batch) return stapel(aufruf.optionen);

    const auto& t = aufruf.texte;
    cli::Antwort ergebnis;
    if (!CalculationRunner::runBlocking([&] {
            HaltWatchdog watchdog;
            ergebnis = cli::berechneEinzeln({t[0], t[1], t[2], t[3]}, aufruf.optionen, watchdog);
        })) {
        return nichtGestartet();
    }
    if (!ergebnis.fehler.empty()) {
        std::cerr << ergebnis.fehler << '\n';
        return 1;
    }
    if (aufruf.json) return ausgeben(cli::jsonZeile(ergebnis)) ? 0 : ausgabeFehler();
    for (const auto& meldung : ergebnis.meldungen) {
        std::cerr << "Problem: " << utf8Text(meldung) << '\n';
    }
    const std::string text = utf8Text(ergebnis.ergebnisText.value_or(""));
    return ausgeben(text + '\n') ? 0 : ausgabeFehler();
}
