// The command line's answers kept as files: each tests/golden/NAME.tsv runs through --batch and
// must give NAME.jsonl byte for byte, so that any changed value, text, name, counter or
// message shows. STAFFEL_GOLDEN_UPDATE=1 writes the answers instead (scripts/update-golden).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

#include "cli_process.h"

namespace {

std::vector<std::string> goldenNamen() {
    std::vector<std::string> namen;
    const QDir ordner(QStringLiteral(STAFFEL_GOLDEN_DIR));
    for (const QFileInfo& eingabe : ordner.entryInfoList({"*.tsv"}, QDir::Files, QDir::Name)) {
        namen.push_back(eingabe.completeBaseName().toStdString());
    }
    return namen;
}

// The first field, nested fields by their path, in which two answers differ.
QString ersterUnterschied(const QJsonValue& erwartet, const QJsonValue& erhalten,
                          const QString& pfad = {}) {
    if (erwartet.isObject() && erhalten.isObject()) {
        QStringList schluessel = erwartet.toObject().keys() + erhalten.toObject().keys();
        schluessel.sort();
        schluessel.removeDuplicates();
        for (const QString& s : schluessel) {
            const QString unterschied =
                ersterUnterschied(erwartet.toObject().value(s), erhalten.toObject().value(s),
                                  pfad.isEmpty() ? s : pfad + '.' + s);
            if (!unterschied.isEmpty()) return unterschied;
        }
        return {};
    }
    if (erwartet == erhalten) return {};
    const auto text = [](const QJsonValue& v) {
        if (v.isUndefined()) return QStringLiteral("(fehlt)");
        return QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact))
            .mid(1)
            .chopped(1);
    };
    return pfad + ": erwartet " + text(erwartet) + ", erhalten " + text(erhalten);
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, BatchAnswersMatchTheExpectedLines) {
    const QString basis =
        QStringLiteral(STAFFEL_GOLDEN_DIR "/") + QString::fromStdString(GetParam());
    const QByteArray eingabe = staffel::test::dateiInhalt(basis + ".tsv");
    // Two workers: the answers must not depend on how the lines are shared out.
    QStringList argumente{"--batch", "--jobs", "2", "--halt-after", "60"};
    if (basis.contains("grenzwert")) argumente << "--limit";
    const auto lauf = staffel::test::cliStarten(argumente, eingabe);
    ASSERT_EQ(lauf.exitCode, 0) << lauf.fehler.toStdString();
    if (qEnvironmentVariableIntValue("STAFFEL_GOLDEN_UPDATE") == 1) {
        QFile datei(basis + ".jsonl");
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(lauf.ausgabe) != -1);
        return;
    }
    const QList<QByteArray> zeilen = eingabe.split('\n');
    const QList<QByteArray> erwartet = staffel::test::dateiInhalt(basis + ".jsonl").split('\n');
    const QList<QByteArray> erhalten = lauf.ausgabe.split('\n');
    for (qsizetype i = 0; i < std::max(erwartet.size(), erhalten.size()); ++i) {
        const QByteArray soll = erwartet.value(i), ist = erhalten.value(i);
        if (soll == ist) continue;
        const QString feld = ersterUnterschied(QJsonDocument::fromJson(soll).object(),
                                               QJsonDocument::fromJson(ist).object());
        FAIL() << GetParam() << ".jsonl, Zeile " << i + 1 << " (Eingabe \""
               << zeilen.value(i).toStdString()
               << "\"): " << (feld.isEmpty() ? "gleiche Felder, andere Bytes" : feld.toStdString())
               << "\n  erwartet: " << soll.toStdString() << "\n  erhalten: " << ist.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(golden, Golden, ::testing::ValuesIn(goldenNamen()),
                         [](const auto& info) { return info.param; });

}  // namespace
