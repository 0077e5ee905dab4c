#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

namespace staffel::test {

struct CliLauf {
    int exitCode = -1;  // -1 when the driver crashed or was killed
    QByteArray ausgabe;
    QByteArray fehler;
};

// Runs staffelrechner-cli as a separate process, its standard output read back or sent to
// ausgabeDatei. A driver that stays silent for a minute (a halt that does not work) is
// killed.
inline CliLauf cliStarten(const QStringList& argumente, const QByteArray& eingabe = {},
                          const QString& ausgabeDatei = {}) {
    QProcess prozess;
    if (!ausgabeDatei.isEmpty()) prozess.setStandardOutputFile(ausgabeDatei);
    prozess.start(QStringLiteral(STAFFEL_CLI_PATH), argumente);
    CliLauf lauf;
    prozess.write(eingabe);
    prozess.closeWriteChannel();
    while (prozess.state() != QProcess::NotRunning) {
        if (!prozess.waitForReadyRead(60000) && prozess.state() != QProcess::NotRunning) {
            ADD_FAILURE() << "staffelrechner-cli silent for a minute";
            prozess.kill();
            prozess.waitForFinished();
            return lauf;
        }
        lauf.ausgabe += prozess.readAllStandardOutput();
    }
    lauf.ausgabe += prozess.readAllStandardOutput();
    lauf.fehler = prozess.readAllStandardError();
    lauf.exitCode = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    return lauf;
}

// A file's bytes; empty when it cannot be read.
inline QByteArray dateiInhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

// One JSON object per output line, each with every field of the command-line contract (or
// an "error" field for a malformed line); anything else fails the test.
inline QList<QJsonObject> jsonZeilen(const QByteArray& ausgabe) {
    static const char* const felder[] = {"ergebnisText", "ergebnis",        "meldung", "name",
                                         "gueltig",      "meldungen",       "step",    "zaehler",
                                         "fehlerstatus", "aufloesungsliste"};
    static const char* const zaehler[] = {"ber", "na",  "iii", "iv",         "g0",
                                          "g1",  "g00", "g11", "intervalle", "aktIntervall"};
    QList<QJsonObject> objekte;
    for (const QByteArray& zeile : ausgabe.split('\n')) {
        if (zeile.isEmpty()) continue;
        const QJsonObject objekt = QJsonDocument::fromJson(zeile).object();
        objekte.append(objekt);
        if (objekt.contains("error")) continue;
        for (const char* feld : felder)
            EXPECT_TRUE(objekt.contains(feld)) << feld << ": " << zeile.toStdString();
        for (const char* feld : zaehler) {
            EXPECT_TRUE(objekt["zaehler"][feld].isDouble()) << feld << ": " << zeile.toStdString();
        }
    }
    return objekte;
}

}  // namespace staffel::test
