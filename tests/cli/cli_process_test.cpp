#include "cli_process.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QStringList>

namespace {

using staffel::test::cliStarten;
using staffel::test::jsonZeilen;
using Lauf = staffel::test::CliLauf;

const char* const kErgebnisFelder[] = {"ergebnisText", "ergebnis", "meldung",   "name",
                                       "fehlerstatus", "gueltig",  "meldungen", "aufloesungsliste",
                                       "step",         "zaehler"};
const char* const kZaehlerFelder[] = {"ber", "na",  "iii", "iv",         "g0",
                                      "g1",  "g00", "g11", "intervalle", "aktIntervall"};

TEST(CliBatch, WritesOneObjectPerLineAndGoesOnAfterAMalformedLine) {
    const Lauf lauf = cliStarten({"--batch"},
                                 "8/3\t000\t2\t3\n"
                                 "kein Tabulator\n"
                                 "3\t\t3\t4\n"
                                 "3/0\t\t1\t1\n"
                                 "7\t00\t2\t3\n");
    ASSERT_EQ(lauf.exitCode, 0) << lauf.fehler.toStdString();
    const QList<QJsonObject> zeilen = jsonZeilen(lauf.ausgabe);
    ASSERT_EQ(zeilen.size(), 5) << lauf.ausgabe.toStdString();

    for (int i : {0, 2, 3, 4}) {
        for (const char* feld : kErgebnisFelder) {
            EXPECT_TRUE(zeilen[i].contains(feld)) << "line " << i << " lacks " << feld;
        }
        EXPECT_FALSE(zeilen[i].contains("error")) << "line " << i;
        const QJsonObject zaehler = zeilen[i]["zaehler"].toObject();
        for (const char* feld : kZaehlerFelder) {
            EXPECT_TRUE(zaehler[feld].isDouble()) << "line " << i << " counter " << feld;
        }
    }

    EXPECT_EQ(zeilen[0]["aufloesungsliste"].toString(), "{ 8/3, 5/3, 2/3, 3/2 }");
    EXPECT_EQ(zeilen[0]["step"].toInt(), 3);

    EXPECT_TRUE(zeilen[1]["error"].isString());
    EXPECT_FALSE(zeilen[1]["error"].toString().isEmpty());

    EXPECT_EQ(zeilen[2]["aufloesungsliste"].toString(), "{ 3 }");
    EXPECT_EQ(zeilen[2]["step"].toInt(), 0);
    EXPECT_TRUE(zeilen[2]["ergebnisText"].isString());

    EXPECT_TRUE(zeilen[3]["ergebnisText"].isNull());
    EXPECT_TRUE(zeilen[3]["ergebnis"].isNull());
    EXPECT_FALSE(zeilen[3]["gueltig"].toBool());
    EXPECT_EQ(zeilen[3]["meldungen"].toArray(),
              QJsonArray{"Der Nenner der Rechenzahl darf nicht 0 sein!"});

    EXPECT_EQ(zeilen[4]["aufloesungsliste"].toString(), "{ 7, 6, 5 }");
    EXPECT_EQ(zeilen[4]["step"].toInt(), 2);
}

TEST(CliBatch, EachLineStartsFromAFreshState) {
    const Lauf lauf = cliStarten({"--batch"}, "8\t000\t2\t2\n3/0\t\t1\t1\n3/0\t\t1\t1\n");
    ASSERT_EQ(lauf.exitCode, 0);
    const QList<QJsonObject> zeilen = jsonZeilen(lauf.ausgabe);
    ASSERT_EQ(zeilen.size(), 3);
    EXPECT_EQ(zeilen[0]["aufloesungsliste"].toString(), "{ 8, 7, 6, 5 }");
    EXPECT_EQ(zeilen[1]["aufloesungsliste"].toString(), "");
    EXPECT_EQ(zeilen[1], zeilen[2]);
}

TEST(CliUsage, ExitsWithTwoAndAUsageText) {
    const QStringList falsch[] = {{"1", "2"}, {"--halt-after", "nie", "3", "", "3", "4"}};
    for (const QStringList& argumente : falsch) {
        const Lauf lauf = cliStarten(argumente);
        EXPECT_EQ(lauf.exitCode, 2) << argumente.join(' ').toStdString();
        EXPECT_TRUE(lauf.fehler.contains("Aufruf:")) << argumente.join(' ').toStdString();
        EXPECT_TRUE(lauf.ausgabe.isEmpty());
    }
}

TEST(CliSingle, JsonPrintsOneObjectAndPlainPrintsTheResultLabel) {
    const Lauf json = cliStarten({"--json", "3", "", "3", "4"});
    ASSERT_EQ(json.exitCode, 0);
    const QList<QJsonObject> zeilen = jsonZeilen(json.ausgabe);
    ASSERT_EQ(zeilen.size(), 1);
    EXPECT_EQ(zeilen[0]["aufloesungsliste"].toString(), "{ 3 }");
    const QString label = zeilen[0]["ergebnisText"].toString();
    EXPECT_FALSE(label.isEmpty());

    const Lauf text = cliStarten({"3", "", "3", "4"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.ausgabe.toStdString(), label.toStdString() + "\n");

    // A Meldung is a result, not a failure.
    const Lauf meldung = cliStarten({"3/0", "", "1", "1"});
    EXPECT_EQ(meldung.exitCode, 0);
    EXPECT_TRUE(meldung.fehler.contains("Der Nenner der Rechenzahl darf nicht 0 sein!"));
}

}  // namespace
