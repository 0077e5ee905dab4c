// The tape as a user meets it across runs: failures read as failures, the limit comes back as
// a limit, clearing asks, and what was calculated is still there at the next start, even when
// its file was damaged meanwhile.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "app/language/sprache.h"
#include "app/support_fixture.h"
#include "app/tape/frm_protokoll.h"
#include "app/tape/protokoll_ablage.h"
#include "app/tape/protokoll_datei.h"
#include "app/tape/protokoll_model.h"

using namespace staffel::app;

namespace {

QString zeile(QListView* liste, int nr) {
    return liste->model()->index(nr, 0).data().toString();
}

// Presses the button of the next message box as soon as it is up.
void antworteBox(QMessageBox::StandardButton knopf) {
    auto* suche = new QTimer(qApp);
    QObject::connect(suche, &QTimer::timeout, [suche, knopf] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            box->button(knopf)->click();
            suche->deleteLater();
        }
    });
    suche->start(20);
}

}  // namespace

class TestFrmProtokoll : public QObject {
    Q_OBJECT

  private slots:
    // m[1/4, ][1, 0] ends with "Division durch Null!": its row, the text file and the CSV say
    // so. The limit shows its marker in the window's language and stays German in files;
    // loading its row calculates the limit again, and Enter repeats it. The buttons wait for a
    // first row; "Leeren" asks, and "Nein" keeps the rows.
    void failuresLimitsAndClearing() {
        staffel::apptest::Sitzung s;
        s.fenster().findChild<QAction*>("mnuProtokoll")->trigger();
        auto* fenster = s.fenster().findChild<FrmProtokoll*>();
        auto* liste = fenster->findChild<QListView*>("lstProtokoll");
        const QList<QPushButton*> knoepfe = fenster->findChildren<QPushButton*>();
        QCOMPARE(knoepfe.size(), 5);
        for (QPushButton* knopf : knoepfe) QVERIFY(!knopf->isEnabled());

        s.eingaben("1/4", "", "1", "0");
        QVERIFY(s.rechne());
        QCOMPARE(s.meldungsTexte(), QStringList{"Division durch Null!"});
        s.eingaben("5", "0", "0", "-1");
        QVERIFY(s.rechne("cmdEulersch"));
        // "Laden" and "Kopieren" wait for a selected row, the others only for a row.
        const auto aktiv = [&knoepfe] {
            QString a;
            for (QPushButton* knopf : knoepfe) a += knopf->isEnabled() ? '+' : '-';
            return a;
        };
        QCOMPARE(aktiv(), "--+++");
        liste->selectionModel()->select(liste->model()->index(0, 0), QItemSelectionModel::Select);
        QCOMPARE(aktiv(), "+++++");
        liste->clearSelection();
        QCOMPARE(aktiv(), "--+++");
        const QString zeilen[] = {"m[1/4 , ][1 , 0] = Division durch Null!",
                                  "m[5 , ][0 , +- Unendlich] =   Grenzwert??"};
        QCOMPARE(zeile(liste, 0), zeilen[0]);
        QCOMPARE(zeile(liste, 1), zeilen[1]);
        const auto& modell = *s.fenster().findChild<ProtokollModell*>();
        QCOMPARE(druckzeilen(modell.zeilen()), zeilen[0] + '\n' + zeilen[1] + '\n');
        QVERIFY(protokollCsv(modell.zeilen())
                    .contains("\n1/4;;1;0;;Division durch Null!;Division:  b / e;nein;;Wert\n"));

        QVERIFY(setzeSprache(Sprache::Englisch));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(zeile(liste, 0), "m[1/4 , ][1 , 0] = Division by zero!");
        QCOMPARE(zeile(liste, 1), "m[5 , ][0 , +- infinity] =   Limit??");
        QCOMPARE(druckzeilen(modell.zeilen()), zeilen[0] + '\n' + zeilen[1] + '\n');
        setzeSprache(Sprache::Deutsch);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);

        QSignalSpy fertig(&s.fenster(), &FrmHaupt::calculationFinished);
        liste->setCurrentIndex(liste->model()->index(1, 0));
        QTest::keyClick(liste, Qt::Key_Return);
        QVERIFY(fertig.wait(60000));
        QCOMPARE(s.text("txtExponent"), " +- Unendlich");
        QVERIFY(s.rechne("txtBasis", Qt::Key_Return));
        QCOMPARE(liste->model()->rowCount(), 4);
        QCOMPARE(zeile(liste, 3), zeilen[1]);

        fenster->findChild<QPushButton*>("cmdLeeren")->click();
        QCOMPARE(liste->model()->rowCount(), 4);
        s.modaleSelbstBeantworten();
        antworteBox(QMessageBox::Yes);
        fenster->findChild<QPushButton*>("cmdLeeren")->click();
        QCOMPARE(liste->model()->rowCount(), 0);
        for (QPushButton* knopf : knoepfe) QVERIFY(!knopf->isEnabled());
    }

    // A calculation refused by a box is a row, marked and with the box's words, in the window's
    // language in the list and German in the CSV; an empty field refused is not. Closing tells
    // what is kept across runs while the window still stands and nothing runs any more.
    void refusedCalculationsAndClosing() {
        staffel::apptest::Sitzung s;
        const auto& modell = *s.fenster().findChild<ProtokollModell*>();
        s.eingaben("7", "000", "2", "3");
        QVERIFY(s.rechne());
        s.eingaben("", "0", "2", "3");
        QVERIFY(s.rechne());
        QCOMPARE(s.meldungen().size(), 2);
        QCOMPARE(modell.rowCount(), 1);
        const QString box = s.meldungsTexte()[0];
        QCOMPARE(modell.index(0).data().toString(), "[abgelehnt] m[7 , 000][2 , 3]: " + box);
        QVERIFY(protokollCsv(modell.zeilen())
                    .endsWith("\n7;000;2;3;;" + box.toUtf8() + ";;nein;;abgelehnt\n"));
        QVERIFY(setzeSprache(Sprache::Englisch));
        QCOMPARE(modell.index(0).data().toString(),
                 "[refused] m[7 , 000][2 , 3]: Please match the number of digits of the "
                 "resolution number to  step = |A| !");
        setzeSprache(Sprache::Deutsch);

        bool sichtbar = false;
        bool laeuft = true;
        connect(&s.fenster(), &FrmHaupt::wirdGeschlossen, this, [&] {
            sichtbar = s.fenster().isVisible();
            laeuft = s.fenster().calculationRunning();
        });
        s.eingaben("6", "1", "1.2", "1000000000");
        s.klick("cmdRechne");
        QVERIFY(s.fenster().calculationRunning());
        QVERIFY(s.fenster().close());
        QVERIFY(sichtbar);
        QVERIFY(!laeuft);
    }

    // A file that is not a tape is set aside under another name with a note, the tape starts
    // empty and is saved anew; beyond 100 000 rows the oldest go.
    void setAsideWhenDamagedAndBounded() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("unter/protokoll.json");
        ProtokollZeile fehler;
        fehler.fehlerMeldung = "Division durch Null!";
        const QByteArray kaputt[] = {"{\"format\":\"staffelrechner-protokoll\",\"version\":1,",
                                     "[]",
                                     "{\"format\":\"staffelrechner-protokoll\",\"version\":"
                                     "1,\"zeilen\":[1]}"};
        for (const QByteArray& inhalt : kaputt) {
            QDir(ordner.filePath("unter")).removeRecursively();
            QDir().mkpath(ordner.filePath("unter"));
            QFile datei(pfad);
            QVERIFY(datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size());
            datei.close();
            ProtokollModell modell;
            modell.anhaengen(fehler);
            ProtokollAblage ablage(modell, pfad);
            ablage.laden();
            QCOMPARE(modell.rowCount(), 1);
            const QStringList beiseite = QDir(ordner.filePath("unter")).entryList(QDir::Files);
            QCOMPARE(beiseite.size(), 1);
            QVERIFY2(beiseite[0].startsWith("protokoll.beschaedigt-"), qPrintable(beiseite[0]));
            QVERIFY(modell.hinweis().contains(beiseite[0]));
            QVERIFY(ablage.sichern());
            QFile gesichert(pfad);
            QVERIFY(gesichert.open(QIODevice::ReadOnly));
            QVERIFY(gesichert.readAll().contains("Division durch Null!"));
        }

        ProtokollModell voll;
        ProtokollZeilen viele(100'001);
        for (std::size_t i = 0; i < viele.size(); ++i) viele[i].basis = QString::number(i);
        voll.ersetzen(viele);
        QCOMPARE(voll.rowCount(), 100'000);
        QCOMPARE(voll.zeilen().front().basis, "1");
        voll.anhaengen({});
        QCOMPARE(voll.rowCount(), 100'000);
        QCOMPARE(voll.zeilen().front().basis, "2");
    }
};

QTEST_MAIN(TestFrmProtokoll)
#include "test_frm_protokoll.moc"
