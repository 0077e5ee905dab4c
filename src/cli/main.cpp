#include <QCommandLineParser>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <iostream>
#include <string>

#include "cli/batch_runner.h"

namespace {

constexpr const char* kUsage =
    "Aufruf:\n"
    "  staffelrechner-cli [--json] [--limit] [--halt-after SEKUNDEN] R A B E\n"
    "  staffelrechner-cli --batch [--limit] [--halt-after SEKUNDEN] < zeilen\n"
    "\n"
    "Rechnet m[R, A][B, E] wie \"Rechne !\" im Fenster. A darf leer sein (\"\").\n"
    "--batch liest Zeilen R<TAB>A<TAB>B<TAB>E und schreibt je Zeile ein JSON-Objekt.\n"
    "--limit rechnet den Grenzwert fuer E gegen +-Unendlich (E wird ignoriert).\n"
    "--halt-after haelt jede Rechnung nach so vielen Sekunden an (Vorgabe 10).\n";

int usage(const QString& problem) {
    if (!problem.isEmpty()) std::cerr << problem.toStdString() << "\n\n";
    std::cerr << kUsage;
    return 2;
}

std::string kompakt(const QJsonObject& json) {
    return QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString();
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption json("json");
    const QCommandLineOption batch("batch");
    const QCommandLineOption limit("limit");
    const QCommandLineOption haltAfter("halt-after", "", "seconds", "10");
    const QCommandLineOption help(QStringList{"h", "help"});
    parser.addOptions({json, batch, limit, haltAfter, help});
    if (!parser.parse(app.arguments())) return usage(parser.errorText());
    if (parser.isSet(help)) {
        std::cout << kUsage;
        return 0;
    }

    bool zahlOk = false;
    const double sekunden = parser.value(haltAfter).toDouble(&zahlOk);
    if (!zahlOk || !(sekunden >= 0) || sekunden > 1e6) {
        return usage("--halt-after braucht eine Zahl von Sekunden.");
    }
    staffel::cli::Optionen optionen;
    optionen.haltNach = std::chrono::milliseconds(static_cast<long long>(sekunden * 1000));
    optionen.grenzwert = parser.isSet(limit);

    const QStringList argumente = parser.positionalArguments();
    if (parser.isSet(batch)) {
        if (!argumente.isEmpty()) return usage("--batch nimmt keine weiteren Argumente.");
        std::string zeile;
        while (std::getline(std::cin, zeile)) {
            const auto eingabe = staffel::cli::zeileLesen(zeile, optionen.grenzwert);
            if (!eingabe) {
                std::cout << kompakt(QJsonObject{{"error",
                                                  "Zeile braucht vier durch Tabulatoren getrennte "
                                                  "Felder: R, A, B, E"}})
                          << '\n';
            } else {
                std::cout << kompakt(staffel::cli::berechneEinzeln(*eingabe, optionen)) << '\n';
            }
            std::cout.flush();
        }
        return 0;
    }

    const int erwartet = optionen.grenzwert ? 3 : 4;
    if (argumente.size() != 4 && argumente.size() != erwartet) {
        return usage("Es werden die vier Texte R, A, B und E erwartet.");
    }
    staffel::RechenEingabe eingabe{argumente[0].toStdString(), argumente[1].toStdString(),
                                   argumente[2].toStdString(),
                                   argumente.size() > 3 ? argumente[3].toStdString() : ""};
    const QJsonObject ergebnis = staffel::cli::berechneEinzeln(eingabe, optionen);
    if (ergebnis.contains("error")) {
        std::cerr << ergebnis["error"].toString().toStdString() << '\n';
        return 1;
    }
    if (parser.isSet(json)) {
        std::cout << kompakt(ergebnis) << '\n';
        return 0;
    }
    for (const auto& meldung : ergebnis["meldungen"].toArray()) {
        std::cerr << "Problem: " << meldung.toString().toStdString() << '\n';
    }
    std::cout << ergebnis["ergebnisText"].toString().toStdString() << '\n';
    return 0;
}
