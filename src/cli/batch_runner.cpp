#include "cli/batch_runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <vector>

#include "engine/calculation_runner.h"

namespace staffel::cli {

namespace {

constexpr const char* kZeileFehlerhaft =
    "Zeile braucht vier durch Tabulatoren getrennte Felder: R, A, B, E";

class SammelHost : public EngineHost {
  public:
    void zeigeMeldung(const std::string& text) override {
        meldungen.append(QString::fromStdString(text));
    }
    QJsonArray meldungen;
};

QJsonValue textOderNull(const std::optional<std::string>& text) {
    return text ? QJsonValue(QString::fromStdString(*text)) : QJsonValue(QJsonValue::Null);
}

QJsonObject zaehlerJson(const ModulRA& m) {
    return QJsonObject{
        {"ber", static_cast<qint64>(m.ZaehlerBer.get())},
        {"na", static_cast<qint64>(m.ZaehlerNA.get())},
        {"iii", static_cast<qint64>(m.ZaehlerIII.get())},
        {"iv", static_cast<qint64>(m.ZaehlerIV.get())},
        {"g0", static_cast<qint64>(m.ZaehlerG0.get())},
        {"g1", static_cast<qint64>(m.ZaehlerG1.get())},
        {"g00", static_cast<qint64>(m.ZaehlerG00.get())},
        {"g11", static_cast<qint64>(m.ZaehlerG11.get())},
        {"intervalle", static_cast<qint64>(m.AnzahlIntervalle.get())},
        {"aktIntervall", static_cast<qint64>(m.AktIntervall.get())},
    };
}

}  // namespace

QJsonObject berechneEinzeln(const RechenEingabe& eingabe, const Optionen& optionen,
                            HaltWatchdog& watchdog) {
    SammelHost host;
    ModulRA modul(&host);
    RechenEingabe eingabeFuerLauf = eingabe;
    if (optionen.grenzwert) {
        modul.GrenzwertModus = true;
        eingabeFuerLauf.exponent = texte::Unendlich;
    }

    if (!watchdog.arm(modul, optionen.haltNach)) return QJsonObject{{"error", kNichtGestartet}};
    RechenAnzeige anzeige;
    CalculationRunner::runGuarded([&] { anzeige = Rechne(modul, eingabeFuerLauf); }, &host);
    watchdog.disarm();

    const bool wert = anzeige.ausgang == RechenAusgang::Wert;
    const bool zahlGezeigt = wert && modul.Meldung.empty() && std::isfinite(modul.Ergebnis);
    std::string name = wert ? anzeige.nameText : modul.NameRechenart;

    QJsonObject json{
        {"ergebnisText", textOderNull(wert ? std::optional(anzeige.ergebnisText) : std::nullopt)},
        {"ergebnis", zahlGezeigt ? QJsonValue(modul.Ergebnis) : QJsonValue(QJsonValue::Null)},
        {"meldung", QString::fromStdString(modul.Meldung)},
        {"name", QString::fromStdString(name)},
        {"fehlerstatus", static_cast<qint64>(modul.Fehlerstatus)},
        {"gueltig", wert && anzeige.gueltig},
        {"meldungen", host.meldungen},
        {"aufloesungsliste", QString::fromStdString(modul.AuflListe)},
        // The step label as shown: Berechnung may change AnzahlStellen on its way down.
        {"step", anzeige.stepText
                     ? QJsonValue(QString::fromStdString(*anzeige.stepText).trimmed().toInt())
                     : QJsonValue(QJsonValue::Null)},
        {"zaehler", zaehlerJson(modul)},
    };
    return json;
}

std::optional<RechenEingabe> zeileLesen(const std::string& zeile, bool grenzwert) {
    std::string text = zeile;
    if (!text.empty() && text.back() == '\r') text.pop_back();
    std::vector<std::string> felder;
    std::size_t start = 0;
    while (true) {
        const auto tab = text.find('\t', start);
        felder.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    if (felder.size() == 3 && grenzwert) felder.emplace_back();
    if (felder.size() != 4) return std::nullopt;
    return RechenEingabe{felder[0], felder[1], felder[2], felder[3]};
}

std::string zeileBeantworten(const std::string& zeile, const Optionen& optionen,
                             HaltWatchdog& watchdog) {
    const auto eingabe = zeileLesen(zeile, optionen.grenzwert);
    return jsonZeile(eingabe ? berechneEinzeln(*eingabe, optionen, watchdog)
                             : QJsonObject{{"error", kZeileFehlerhaft}});
}

std::string jsonZeile(const QJsonObject& json) {
    return QJsonDocument(json).toJson(QJsonDocument::Compact).toStdString() + '\n';
}

}  // namespace staffel::cli
