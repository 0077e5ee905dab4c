// Prints through a real CUPS server: run under tests/printing/cups_sandbox.sh, whose private
// server's default queue files every job as a PDF in STAFFEL_CUPS_AUSGABE.
#include <QAction>
#include <QDir>
#include <QProcess>
#include <QTest>

#include "app/language/sprache.h"
#include "app/support_fixture.h"

namespace {

QString ausgabeVon(const QString& programm, const QStringList& argumente) {
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0) return {};
    return QString::fromUtf8(prozess.readAllStandardOutput()).simplified();
}

}  // namespace

class TestPrintingCups : public QObject {
    Q_OBJECT

    QDir ausgabe_{qEnvironmentVariable("STAFFEL_CUPS_AUSGABE")};
    std::unique_ptr<staffel::apptest::Sitzung> s_;

    qsizetype auftraege() const { return ausgabe_.entryList({"job-*.pdf"}, QDir::Files).size(); }

  private slots:
    void initTestCase() {
        if (ausgabe_.path() == ".") QSKIP(qPrintable(qEnvironmentVariable("STAFFEL_CUPS_GRUND")));
    }
    void init() {
        s_ = std::make_unique<staffel::apptest::Sitzung>();
        s_->fenster().findChild<QAction*>("mnuRedruck")->trigger();
    }
    void cleanup() {
        s_.reset();
        staffel::app::setzeSprache(staffel::app::Sprache::Deutsch);
    }

    // Each value calculation comes out as the line of its inputs and the result as shown, in
    // the window's language.
    void druckAusDemHauptfenster_data() {
        QTest::addColumn<QString>("sprache");
        QTest::addColumn<QStringList>("eingaben");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("trimmed, decimal comma, A not needed: printed empty")
            << "de" << QStringList{" 3 ", "0", "1,5", "2"}
            << QStringLiteral("m[3 , ][1.5 , 2] = 3.5");
        QTest::newRow("message, umlaut")
            << "de" << QStringList{"1/6", "00", "0.5", "2"}
            << QStringLiteral("m[1/6 , 00][0.5 , 2] = keine Lösung! (IV)");
        QTest::newRow("message in English")
            << "en" << QStringList{"1/6", "00", "0.5", "2"}
            << QStringLiteral("m[1/6 , 00][0.5 , 2] = no solution! (IV)");
    }
    void druckAusDemHauptfenster() {
        QFETCH(QString, sprache);
        QFETCH(QStringList, eingaben);
        QFETCH(QString, zeile);
        QVERIFY(staffel::app::setzeSprache(*staffel::app::spracheAusKuerzel(sprache)));
        const qsizetype vorher = auftraege();
        s_->eingaben(eingaben[0], eingaben[1], eingaben[2], eingaben[3]);
        QVERIFY(s_->rechne());
        QTRY_COMPARE_WITH_TIMEOUT(auftraege(), vorher + 1, 60000);
        const QString pdf =
            ausgabe_.filePath(ausgabe_.entryList({"job-*.pdf"}, QDir::Files, QDir::Time).first());
        QCOMPARE(ausgabeVon("pdftotext", {pdf, "-"}), zeile);
        QVERIFY(s_->meldungen().isEmpty());
        QVERIFY(ausgabeVon("pdfinfo", {pdf}).contains("Pages: 1 "));
    }

    // A refused calculation prints nothing, nor does anything once printing is switched off.
    void nurWerteWerdenGedruckt() {
        const qsizetype vorher = auftraege();
        s_->eingaben("4", "0", "", "3");
        QVERIFY(s_->rechne());
        s_->fenster().findChild<QAction*>("mnuRedruck")->trigger();
        s_->eingaben("4", "0", "2", "3");
        QVERIFY(s_->rechne());
        QTest::qWait(1500);  // a job is filed within moments
        QCOMPARE(auftraege(), vorher);
    }
};

QTEST_MAIN(TestPrintingCups)
#include "test_printing_cups.moc"
