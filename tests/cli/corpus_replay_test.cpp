#include <gtest/gtest.h>

#include <QDir>

#include "cli_process.h"

namespace {

// The calculation fuzzer's seeds and findings (lines R, A, B, E and maybe "lim"), end to end
// through --batch: the driver neither crashes nor hangs, and answers every line with an
// object of the contract.
TEST(CliBatch, ReplaysTheCalculationFuzzCorpus) {
    for (const bool grenzwert : {false, true}) {
        QByteArray eingabe;
        int zeilen = 0;
        for (const char* ordner : {STAFFEL_RECHNE_CORPUS, STAFFEL_RECHNE_REGRESSIONS}) {
            for (const QFileInfo& datei : QDir(ordner).entryInfoList(QDir::Files)) {
                const QList<QByteArray> felder =
                    staffel::test::dateiInhalt(datei.filePath()).split('\n');
                if (felder.size() < 4 || (felder.size() > 4 && felder[4] == "lim") != grenzwert) {
                    continue;
                }
                eingabe += felder.mid(0, 4).join('\t') + '\n';
                ++zeilen;
            }
        }
        QStringList argumente{"--batch", "--halt-after", "0.2"};
        if (grenzwert) argumente << "--limit";
        const auto lauf = staffel::test::cliStarten(argumente, eingabe);
        EXPECT_EQ(lauf.exitCode, 0) << lauf.fehler.toStdString();
        EXPECT_GT(zeilen, 0);
        EXPECT_EQ(staffel::test::jsonZeilen(lauf.ausgabe).size(), zeilen);
    }
}

}  // namespace
