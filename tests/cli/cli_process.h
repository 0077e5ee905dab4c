#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QStringList>

namespace staffel::test {

struct CliLauf {
    bool beendet = false;  // ended by itself, neither crashed nor killed
    int exitCode = -1;
    QByteArray ausgabe;
    QByteArray fehler;
};

// Runs staffelrechner-cli as a separate process. A driver that stays silent for
// stilleMs (a halt that does not work) is killed.
inline CliLauf cliStarten(const QStringList& argumente, const QByteArray& eingabe = {},
                          int stilleMs = 60000) {
    QProcess prozess;
    prozess.start(QStringLiteral(STAFFEL_CLI_PATH), argumente);
    CliLauf lauf;
    if (!prozess.waitForStarted(stilleMs)) {
        ADD_FAILURE() << "cannot start " << STAFFEL_CLI_PATH;
        return lauf;
    }
    prozess.write(eingabe);
    prozess.closeWriteChannel();
    while (prozess.state() != QProcess::NotRunning) {
        if (!prozess.waitForReadyRead(stilleMs) && prozess.state() != QProcess::NotRunning) {
            prozess.kill();
            prozess.waitForFinished();
            lauf.ausgabe += prozess.readAllStandardOutput();
            return lauf;
        }
        lauf.ausgabe += prozess.readAllStandardOutput();
    }
    lauf.ausgabe += prozess.readAllStandardOutput();
    lauf.fehler = prozess.readAllStandardError();
    lauf.beendet = prozess.exitStatus() == QProcess::NormalExit;
    lauf.exitCode = lauf.beendet ? prozess.exitCode() : -1;
    return lauf;
}

// One JSON object per output line; a line that is not one fails the test.
inline QList<QJsonObject> jsonZeilen(const QByteArray& ausgabe) {
    QList<QJsonObject> objekte;
    for (const QByteArray& zeile : ausgabe.split('\n')) {
        if (zeile.isEmpty()) continue;
        QJsonParseError fehler;
        const QJsonDocument dokument = QJsonDocument::fromJson(zeile, &fehler);
        EXPECT_EQ(fehler.error, QJsonParseError::NoError) << zeile.toStdString();
        EXPECT_TRUE(dokument.isObject()) << zeile.toStdString();
        objekte.append(dokument.object());
    }
    return objekte;
}

}  // namespace staffel::test
