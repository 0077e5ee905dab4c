#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "cli_process.h"

namespace {

// Fixed-seed input texts: ordinary operations, deep and extreme Rechenzahlen, numbers at
// the edge of the double range and plain garbage.
class Zufall {
  public:
    explicit Zufall(std::uint32_t saat) : gen_(saat) {}

    std::uint32_t bis(std::uint32_t n) { return gen_() % n; }

    std::string rechenart() {
        static const char* const fest[] = {"32767", "1/32767", "32766/32767", "-32768", "40000",
                                           "1/0",   "abc",     "3,5",         " 7 ",    "1/6",
                                           "1/7",   "5/6",     "2/7",         "8/3",    "14/3"};
        switch (bis(3)) {
            case 0:
                return fest[bis(std::size(fest))];
            case 1:
                return std::to_string(static_cast<int>(bis(14)) - 3);
            default: {
                const int p = static_cast<int>(bis(40)) - 10;
                const int q = static_cast<int>(bis(12)) + 1;
                return std::to_string(p) + "/" + std::to_string(q);
            }
        }
    }

    // Mostly one digit, which the calculate command widens to the step the Rechenzahl needs.
    std::string aufzahl() {
        const std::uint32_t wahl = bis(20);
        if (wahl < 2) return "";
        if (wahl < 9) return "0";
        if (wahl < 14) return "1";
        if (wahl < 16) return bis(2) ? "2" : "01x";
        std::string A;
        for (std::uint32_t i = 0, n = 1 + bis(6); i < n; ++i) A.push_back(bis(2) ? '1' : '0');
        return A;
    }

    std::string zahl() {
        static const char* const fest[] = {"0",
                                           "1",
                                           "-1",
                                           "0.5",
                                           "1E308",
                                           "-1E308",
                                           "1E-300",
                                           "1E400",
                                           "",
                                           "abc",
                                           "3,5",
                                           "27",
                                           "1.79769313486231E+308",
                                           "4.9E-324",
                                           "x",
                                           "0.001"};
        if (bis(3) == 0) {
            const double wert = (static_cast<double>(bis(20001)) - 10000) / 100;
            char text[32];
            std::snprintf(text, sizeof text, "%g", wert);
            return text;
        }
        return fest[bis(std::size(fest))];
    }

  private:
    std::mt19937 gen_;
};

struct Zeile {
    std::string text;
    bool graph;
};

std::vector<Zeile> zufallsZeilen(std::uint32_t saat, int anzahl) {
    Zufall z(saat);
    std::vector<Zeile> zeilen;
    for (int i = 0; i < anzahl; ++i) {
        const std::string R = z.rechenart(), A = z.aufzahl(), b = z.zahl(), e = z.zahl();
        zeilen.push_back({R + "\t" + A + "\t" + b + "\t" + e, b == "x" || e == "x"});
    }
    return zeilen;
}

// A result label, a message, or (for "x") the graph.
bool ergebnisOderMeldung(const QJsonObject& json, bool graph) {
    if (json.contains("error")) return false;
    if (json["ergebnisText"].isString() && !json["ergebnisText"].toString().trimmed().isEmpty()) {
        return true;
    }
    if (!json["meldung"].toString().isEmpty()) return true;
    if (!json["meldungen"].toArray().isEmpty()) return true;
    return graph && json["ergebnisText"].isNull();
}

constexpr double kHaltNachSekunden = 0.1;

void zufallsLauf(std::uint32_t saat, int anzahl, const QStringList& optionen) {
    const std::vector<Zeile> zeilen = zufallsZeilen(saat, anzahl);
    QByteArray eingabe;
    for (const Zeile& zeile : zeilen) eingabe += QByteArray::fromStdString(zeile.text) + '\n';

    const staffel::test::CliLauf lauf = staffel::test::cliStarten(
        QStringList{"--batch", "--halt-after", QString::number(kHaltNachSekunden)} + optionen,
        eingabe);
    const QList<QJsonObject> antworten = staffel::test::jsonZeilen(lauf.ausgabe);
    ASSERT_TRUE(lauf.beendet) << "driver crashed or hung after " << antworten.size()
                              << " answers; next input: "
                              << (static_cast<std::size_t>(antworten.size()) < zeilen.size()
                                      ? zeilen[antworten.size()].text
                                      : std::string("-"));
    EXPECT_EQ(lauf.exitCode, 0);
    ASSERT_EQ(static_cast<std::size_t>(antworten.size()), zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        SCOPED_TRACE(zeilen[i].text);
        EXPECT_TRUE(ergebnisOderMeldung(antworten[i], zeilen[i].graph))
            << QJsonDocument(antworten[i]).toJson(QJsonDocument::Compact).toStdString();
    }
}

TEST(RandomInputs, EveryLineEndsWithAResultOrAMessage) {
    zufallsLauf(20240611, 3000, {});
}

TEST(RandomInputs, LimitModeToo) {
    zufallsLauf(7, 300, {"--limit"});
}

}  // namespace
