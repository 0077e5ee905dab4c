#include "cli_process.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>

namespace {

using staffel::test::cliStarten;
using staffel::test::jsonZeilen;

// One calculation per call: the result label on stdout, message boxes and usage on stderr.
TEST(CliSingle, PrintsTheResultLabelOrTheUsage) {
    struct Fall {
        QStringList argumente;
        int status;
        const char* ausgabe;  // stdout exactly
        const char* fehler;   // contained in stderr
    };
    const Fall faelle[] = {
        {{"3", "", "3", "4"}, 0, "  7\n", ""},
        {{"5", "0", "2", "-1"}, 0, "  0.5\n", ""},                   // a negative number is a text
        {{"--halt-after", "0", "3", "", "2", "3"}, 0, "  5\n", ""},  // 0: no time limit
        {{"3/0", "", "1", "1"}, 0, "\n", "Der Nenner der Rechenzahl darf nicht 0 sein!"},
        {{"1", "2"}, 2, "", "Aufruf:"},
        {{"--halt-after", "nie", "3", "", "3", "4"}, 2, "", "Aufruf:"},
        {{"--foo", "3", "", "3", "4"}, 2, "", "Unbekannte Option: --foo"},
        // The synopsis names the options both forms take.
        {{"-x", "3", "", "3", "4"},
         2,
         "",
         "[--limit] [--halt-after SEKUNDEN] [--ohne-memo] [--] R"},
        {{"--batch", "--jobs", "0"}, 2, "", "--jobs braucht eine ganze Zahl"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.argumente.join(' ').toStdString());
        const auto lauf = cliStarten(f.argumente);
        EXPECT_EQ(lauf.exitCode, f.status);
        EXPECT_EQ(lauf.ausgabe.toStdString(), f.ausgabe);
        EXPECT_TRUE(lauf.fehler.contains(f.fehler)) << lauf.fehler.toStdString();
    }
}

TEST(CliSingle, AnOutputThatCannotBeWrittenIsAFailure) {
    for (const QStringList& argumente : {QStringList{"3", "", "2", "3"}, QStringList{"--batch"}}) {
        const auto lauf = cliStarten(argumente, "3\t\t2\t3\n", "/dev/full");
        EXPECT_EQ(lauf.exitCode, 1) << argumente.join(' ').toStdString();
        EXPECT_TRUE(lauf.fehler.contains("Die Ausgabe lässt sich nicht schreiben."));
    }
}

// A caller that sends one line and waits for its answer before it sends the next gets it: the
// batch does not keep it in its output buffer until more input comes.
TEST(CliBatch, AnswersALineWhileTheInputStaysOpen) {
    QProcess prozess;
    prozess.start(QStringLiteral(STAFFEL_CLI_PATH), {"--batch"});
    prozess.write("3\t\t2\t3\n");
    const QDeadlineTimer deadlockSchutz(20000);
    while (!prozess.canReadLine() && prozess.waitForReadyRead(deadlockSchutz.remainingTime())) {
    }
    EXPECT_EQ(jsonZeilen(prozess.readLine()).value(0)["ergebnisText"].toString(), "  5");
    prozess.closeWriteChannel();
    EXPECT_TRUE(prozess.waitForFinished(60000));
}

// The halt timer stops only a calculation that is still running: a short one finished
// before its time keeps its result, however soon the timer fires.
TEST(CliBatch, AHaltAfterTheResultLeavesItStanding) {
    QByteArray eingabe;
    for (int i = 0; i < 200; ++i) eingabe += "3\t\t2\t3\n";
    const auto lauf = cliStarten({"--batch", "--halt-after", "0.001"}, eingabe);
    const auto z = jsonZeilen(lauf.ausgabe);
    ASSERT_EQ(z.size(), 200);
    for (const auto& antwort : z) EXPECT_EQ(antwort["ergebnisText"].toString(), "  5");
}

}  // namespace

// The first answer leaves while a later line still calculates and another waits; a signal
// stops the reading (the input stays open), halts the slow line and ends with the answers of
// the lines begun, in input order; a read error is no end of input. The first line takes long
// enough for the other worker to begin the slow one.
TEST(CliBatch, AnswersAtOnceStopsInOrderOnASignalAndReportsAReadError) {
    QProcess prozess;
    prozess.start(QStringLiteral(STAFFEL_CLI_PATH), {"--batch", "--jobs=2", "--halt-after=600"});
    prozess.write("6\t1\t1.2\t3000000\n6\t1\t1.2\t2000000000\n7\t00\t2\t4\n");
    const QDeadlineTimer deadlockSchutz(60000);  // the slow line takes minutes
    while (!prozess.canReadLine() && prozess.waitForReadyRead(deadlockSchutz.remainingTime())) {
    }
    QByteArray ausgabe = prozess.readLine();
    ASSERT_EQ(jsonZeilen(ausgabe).value(0)["ergebnisText"].toString(), "  1.25773454137653");
    prozess.terminate();
    EXPECT_TRUE(prozess.waitForFinished(60000));
    ausgabe += prozess.readAllStandardOutput();
    EXPECT_EQ(prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1, 143);
    EXPECT_TRUE(prozess.readAllStandardError().contains("Durch Signal 15 beendet"));
    const QStringList erwartet = {"", "   Berechnung angehalten!", "     |Ergebnis| > 10^308"};
    const auto z = jsonZeilen(ausgabe);
    ASSERT_LE(z.size(), 3);
    // The last line's answer is there when a worker had begun it before the signal.
    for (qsizetype i = 1; i < z.size(); ++i) EXPECT_EQ(z[i]["meldung"].toString(), erwartet[i]);

    QProcess verzeichnis;
    verzeichnis.setStandardInputFile(QStringLiteral("/"));
    verzeichnis.start(QStringLiteral(STAFFEL_CLI_PATH), {"--batch"});
    EXPECT_TRUE(verzeichnis.waitForFinished(60000));
    EXPECT_EQ(verzeichnis.exitCode(), 1);
    EXPECT_TRUE(verzeichnis.readAllStandardError().contains("Die Eingabe lässt sich nicht lesen."));
}
