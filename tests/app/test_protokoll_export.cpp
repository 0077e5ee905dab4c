#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include "app/datei_speichern.h"
#include "app/frm_graph.h"
#include "app/frm_haupt.h"
#include "app/frm_protokoll.h"
#include "app/protokoll_model.h"
#include "app/support_fixture.h"
#include "engine/graph_pass.h"

using namespace staffel;

namespace {

// RFC 4180 with ";" between cells.
QList<QStringList> leseCsv(const QString& text) {
    static const QRegularExpression zelle(R"re(("(?:[^"]|"")*"|[^;"\n]*)([;\n]))re");
    QList<QStringList> zeilen{{}};
    for (auto treffer = zelle.globalMatch(text); treffer.hasNext();) {
        const QRegularExpressionMatch z = treffer.next();
        QString wert = z.captured(1);
        if (wert.startsWith('"')) wert = wert.mid(1, wert.size() - 2).replace("\"\"", "\"");
        zeilen.last() << wert;
        if (z.captured(2) == "\n") zeilen.append(QStringList{});
    }
    zeilen.removeLast();
    return zeilen;
}

QString inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
}

}  // namespace

class TestProtokollExport : public QObject {
    Q_OBJECT

  private slots:
    // A value, a message, the limit button and a graph; two rows loaded back; saved as CSV.
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
        const QList<QStringList> csv = leseCsv(inhalt(ordner.filePath("p.csv")));
        const QString name = s.fenster().findChild<app::ProtokollModell*>()->zeilen()[0].name;
        QCOMPARE(csv,
                 (QList<QStringList>{
                     {"Rechenzahl", "Auflösungszahl", "Basis", "Exponent", "Ergebnis", "Meldung",
                      "Name", "gültig"},
                     {"8/3", "000", "2;\"", "3", "8", "", name.trimmed(), "ja"},
                     {"5", "0", "0", "-1", "", "Nicht definiert!", "Potenzierung:  b ^ e", "nein"},
                     {"5", "0", "0", " +- Unendlich", "", "Grenzwert??", "Potenzierung:  b ^ e",
                      "nein"}}));

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

    void graphSavedAsPictureAndValues() {
        apptest::Sitzung s;
        s.modaleSelbstBeantworten();
        ModulRA m;
        m.FormelText = "m[5 , 0][x , 2]";
        app::FrmGraph fenster(m, nullptr, [](float x) { return std::optional(double{x} * x); });
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        const QImage gezeigt = fenster.findChild<QWidget*>("drawingArea")->grab().toImage();
        QTemporaryDir ordner;
        QVERIFY(fenster.bildSpeichern(ordner.filePath("g.png")));
        QVERIFY(fenster.bildSpeichern(ordner.filePath("g.svg")));
        QVERIFY(fenster.werteSpeichern(ordner.filePath("w.csv")));

        QCOMPARE(QImage(ordner.filePath("g.png")).convertToFormat(QImage::Format_RGB32),
                 gezeigt.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(QSvgRenderer(ordner.filePath("g.svg")).viewBox().size(),
                 gezeigt.deviceIndependentSize().toSize());
        const QStringList werte = inhalt(ordner.filePath("w.csv")).split('\n', Qt::SkipEmptyParts);
        std::size_t stellen = graph::grobeStellen(m.Graph).size();
        graph::FeineStellen fein(m.Graph);
        for (float x = 0; fein.naechste(x);) ++stellen;
        QCOMPARE(static_cast<std::size_t>(werte.size()), 1 + stellen);
        QCOMPARE(werte.mid(0, 2), (QStringList{"x;y", "-10;100"}));
        QCOMPARE(werte[22], "-9.9799995422363281;99.600390863037319");
        QVERIFY(s.meldungen().isEmpty());
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
