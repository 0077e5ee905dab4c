#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <vector>

#include "app/calculation_printer.h"
#include "app/frm_haupt.h"
#include "app/message_seam.h"
#include "app/support_haupt_tester.h"

using namespace staffel::app;

namespace {

// The printed lines come back from the spooled PDF; pdftotext may space words differently.
QString einfacheLeerzeichen(QString text) {
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

QString ausgabeVon(const QString& programm, const QStringList& argumente) {
    QProcess prozess;
    prozess.start(programm, argumente);
    if (!prozess.waitForFinished(30000) || prozess.exitCode() != 0) return {};
    return QString::fromUtf8(prozess.readAllStandardOutput());
}

}  // namespace

// Prints through a real CUPS server: the harness script starts a private one whose default
// queue files every job as a PDF in STAFFEL_CUPS_AUSGABE.
class TestPrintingCups : public QObject {
    Q_OBJECT

  private:
    QDir ausgabe_;
    std::vector<Nachricht> nachrichten_;

    QStringList auftraege() const {
        return ausgabe_.entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name);
    }

  private slots:
    void initTestCase() {
        const QString verzeichnis = qEnvironmentVariable("STAFFEL_CUPS_AUSGABE");
        if (verzeichnis.isEmpty()) {
            QSKIP(qPrintable(QStringLiteral("no private CUPS server: ") +
                             qEnvironmentVariable("STAFFEL_CUPS_GRUND")));
        }
        ausgabe_ = QDir(verzeichnis);
        QVERIFY(ausgabe_.exists());
        QCOMPARE(QPrinterInfo::defaultPrinter().printerName(), QStringLiteral("Staffelablage"));
        setzeNachrichtenAnzeige(
            [this](QWidget*, const Nachricht& nachricht) { nachrichten_.push_back(nachricht); });
    }
    void cleanupTestCase() { setzeNachrichtenAnzeige({}); }

    // With the check mark set, each value calculation of the main window comes out as the line
    // of its inputs and the result as shown.
    void druckAusDemHauptfenster_data() {
        QTest::addColumn<QStringList>("eingaben");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("value") << QStringList{"8/3", "000", "2", "3"}
                               << QStringLiteral("m[8/3 , 000][2 , 3] =  8");
        QTest::newRow("no digits needed: A printed empty")
            << QStringList{"4", "0", "2", "3"} << QStringLiteral("m[4 , ][2 , 3] =   6");
        QTest::newRow("message in place of the number")
            << QStringList{"3/4", "10", "7", "4"}
            << QStringLiteral("m[3/4 , 10][7 , 4] =  Wert unbestimmt");
        QTest::newRow("trimmed, decimal comma")
            << QStringList{" 3 ", "", "1,5", "2"} << QStringLiteral("m[3 , ][1.5 , 2] =  3.5");
        QTest::newRow("umlaut") << QStringList{"1/6", "00", "0.5", "2"}
                                << QStringLiteral("m[1/6 , 00][0.5 , 2] =  keine Lösung! (IV)");
    }
    void druckAusDemHauptfenster() {
        QFETCH(QStringList, eingaben);
        QFETCH(QString, zeile);
        staffel::app::frmHaupt haupt;
        haupt.show();
        staffel::apptest::HauptTester tester(haupt);
        haupt.findChild<QAction*>(QStringLiteral("mnuRedruck"))->trigger();
        const qsizetype vorher = auftraege().size();
        tester.setInputs(eingaben[0], eingaben[1], eingaben[2], eingaben[3]);
        QVERIFY(tester.calculate());
        QTRY_COMPARE_WITH_TIMEOUT(auftraege().size(), vorher + 1, 60000);
        const QString pdf = ausgabe_.filePath(auftraege().last());
        const QString text = ausgabeVon(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        QCOMPARE(einfacheLeerzeichen(text), einfacheLeerzeichen(zeile));
        QVERIFY(nachrichten_.empty());
        const QString info = ausgabeVon(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        // The line is set in the face the system gives for "arial".
        const QString fonts = ausgabeVon(QStringLiteral("pdffonts"), {pdf});
        const QString arial =
            QFontInfo(QFont(QStringLiteral("arial"))).family().remove(QLatin1Char(' '));
        QVERIFY2(fonts.contains(arial, Qt::CaseInsensitive), qPrintable(fonts));
    }

    void ausgeschaltetDrucktNichts() {
        const qsizetype vorher = auftraege().size();
        RechnungsDrucker drucker;
        drucker.RechnungsDruck(nullptr, QStringLiteral("m[3 , 0][1 , 1] =  2"));
        drucker.setzeAktiv(true);
        drucker.setzeAktiv(false);
        drucker.RechnungsDruck(nullptr, QStringLiteral("m[3 , 0][1 , 1] =  2"));
        // A job would be filed within moments; give the server the time it took above.
        QTest::qWait(1500);
        QCOMPARE(auftraege().size(), vorher);
        QVERIFY(nachrichten_.empty());
    }
};

int main(int argc, char** argv) {
    // Run under the harness that owns the private print server, unless already there.
    if (!qEnvironmentVariableIsSet("STAFFEL_CUPS_AUSGABE")) {
        const QByteArray skript = QFileInfo(QStringLiteral(__FILE__))
                                      .dir()
                                      .filePath(QStringLiteral("../printing/cups_sandbox.sh"))
                                      .toLocal8Bit();
        std::vector<char*> argumente{const_cast<char*>("bash"), const_cast<char*>(skript.data())};
        for (int i = 0; i < argc; ++i) argumente.push_back(argv[i]);
        argumente.push_back(nullptr);
        execvp("bash", argumente.data());
        perror("cannot start the CUPS harness");
        return 1;
    }
    QApplication app(argc, argv);
    TestPrintingCups test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printing_cups.moc"
