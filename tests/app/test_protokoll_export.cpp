#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QtTest>

#include "app/datei_speichern.h"
#include "app/frm_haupt.h"
#include "app/frm_protokoll.h"
#include "app/support_fixture.h"

using namespace staffel;

namespace {

QString inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
}

}  // namespace

class TestProtokollExport : public QObject {
    Q_OBJECT

  private slots:
    // A value, a message, the limit button and a graph; two rows loaded back; saved as CSV,
    // quoted where a cell holds the separator or a quote.
    void tapeOfValueCalculations() {
        apptest::Sitzung s;
        s.eingaben("8/3", "000", "2;\"", "3");
        QVERIFY(s.rechne());
        s.eingaben("5", "0", "0", "-1");
        QVERIFY(s.rechne());
        QVERIFY(s.rechne("cmdEulersch"));
        s.eingaben("5", "0", "x", "2");
        QVERIFY(s.rechne());
        s.fenster().findChild<QAction*>("mnuProtokoll")->trigger();
        auto* fenster = s.fenster().findChild<app::FrmProtokoll*>();
        auto* liste = fenster->findChild<QListView*>("lstProtokoll");
        QCOMPARE(liste->model()->rowCount(), 3);
        QCOMPARE(liste->model()->index(0, 0).data().toString(), "m[8/3 , 000][2;\" , 3] =   8");

        QTemporaryDir ordner;
        QVERIFY(fenster->speichern(ordner.filePath("p.csv")));
        QCOMPARE(inhalt(ordner.filePath("p.csv")),
                 QString::fromUtf8(
                     "Rechenzahl;Auflösungszahl;Basis;Exponent;Ergebnis;Meldung;Name;gültig\n"
                     "8/3;000;\"2;\"\"\";3;8;;Potenzierung:  b ^ e;ja\n"
                     "5;0;0;-1;;Nicht definiert!;Potenzierung:  b ^ e;nein\n"
                     "5;0;0; +- Unendlich;;Grenzwert??;Potenzierung:  b ^ e;nein\n"));

        // The limit row leaves the exponent to the limit button; a loaded row calculates anew.
        const QStringList geladen[] = {{"8/3", "000", "2;\"", "3"}, {"5", "0", "0", ""}};
        for (int zeile : {2, 0}) {
            liste->setCurrentIndex(liste->model()->index(zeile, 0));
            QTest::keyClick(liste, Qt::Key_Return);
            const QStringList felder{s.text("txtRechenart"), s.text("txtAufzahl"),
                                     s.text("txtBasis"), s.text("txtExponent")};
            QCOMPARE(felder, geladen[zeile / 2]);
        }
        QVERIFY(s.rechne());
        QCOMPARE(liste->model()->index(3, 0).data(), liste->model()->index(0, 0).data());
    }

    // Nothing half-written: neither in a folder that refuses files nor over an earlier file.
    void failedSaveLeavesNothing() {
        apptest::Sitzung s;
        QTemporaryDir ordner;
        QFile alt(ordner.filePath("p.csv"));
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
        alt.close();
        QVERIFY(!app::speichereDatei(nullptr, "/sys/p.csv", QByteArray("neu")));
        QVERIFY(!app::speichereDatei(nullptr, alt.fileName(), [](QIODevice& datei) {
            datei.write("halb");
            return false;
        }));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.csv"});
        QCOMPARE(inhalt(alt.fileName()), "alt");
        QCOMPARE(s.meldungen().size(), 2);
        for (const app::Nachricht& n : s.meldungen()) {
            QVERIFY(n.titel == "Problem" && n.symbol == QMessageBox::Critical);
            QVERIFY2(n.text.section(":\n", 1).size() > 3, qPrintable(n.text));  // the reason
        }
    }
};

QTEST_MAIN(TestProtokollExport)
#include "test_protokoll_export.moc"
