// The tape across runs. Several runs of the program on one profile, each with its own tape on
// the one file, started, saving and ended in any order: no row is lost, none comes twice, and
// the file keeps the order of calculation. A save that fails says why, once, and at the end
// the user decides. In its window: failures read as failures, the limit comes back as a
// limit, clearing asks, and what was calculated is still there at the next start, even when
// its file was damaged meanwhile.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListView>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <map>
#include <memory>

#include "app/language/sprache.h"
#include "app/shared/message_seam.h"
#include "app/support_fixture.h"
#include "app/tape/frm_protokoll.h"
#include "app/tape/protokoll_ablage.h"
#include "app/tape/protokoll_datei.h"
#include "app/tape/protokoll_ende.h"
#include "app/tape/protokoll_json.h"
#include "app/tape/protokoll_model.h"

using namespace staffel::app;

namespace {

struct Lauf {
    std::unique_ptr<ProtokollModell> modell;
    std::unique_ptr<ProtokollAblage> ablage;
};

QString basen(const ProtokollZeilen& zeilen) {
    QStringList liste;
    for (const ProtokollZeile& zeile : zeilen) liste << zeile.basis;
    return liste.join(' ');
}

QByteArray inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray("<keine Datei>");
}

QString imFile(const QString& pfad) {
    const auto stand = protokollAusJson(inhalt(pfad));
    return stand ? basen(stand->zeilen) : QStringLiteral("<unlesbar>");
}

// Steps such as "A+" (run A starts and reads the file), "A:x" (A calculates the row x), "A!"
// (A's periodic save), "A0" (A clears its tape), "A-" (A ends, saving). Every step moves the
// clock on.
void spiele(const QString& pfad, const QString& ablauf) {
    std::map<QChar, Lauf> laeufe;
    for (const QString& schritt : ablauf.split(' ', Qt::SkipEmptyParts)) {
        const QChar wer = schritt[0];
        const QString was = schritt.mid(1);
        if (was == "+") {
            Lauf& lauf = laeufe[wer];
            lauf.modell = std::make_unique<ProtokollModell>();
            lauf.ablage = std::make_unique<ProtokollAblage>(*lauf.modell, pfad);
            lauf.ablage->laden();
        } else if (was == "!") {
            QVERIFY(laeufe.at(wer).ablage->sichern());
        } else if (was == "0") {
            laeufe.at(wer).modell->leeren();
        } else if (was == "-") {
            sichereAmEnde(nullptr, *laeufe.at(wer).ablage);
            QVERIFY(!laeufe.at(wer).ablage->hatUngesichertes());
            laeufe.erase(wer);
        } else {
            ProtokollZeile zeile;
            zeile.basis = was.mid(1);
            laeufe.at(wer).modell->anhaengen(zeile);
        }
    }
}

// A tape file as the first version wrote it: no times, ids or kinds.
void alteDatei(const QString& pfad, const QStringList& basen) {
    QByteArray text = R"({"format":"staffelrechner-protokoll","version":1,"zeilen":[)";
    for (const QString& basis : basen) {
        if (basis != basen.front()) text += ',';
        text += R"({"druckzeile":"m[4 , 0][)" + basis.toUtf8() + R"( , 3] =   0","basis":")" +
                basis.toUtf8() + R"(","gueltig":true})";
    }
    QFile datei(pfad);
    QVERIFY(datei.open(QIODevice::WriteOnly));
    datei.write(text + "]}\n");
}

// Whether this user can write where permissions say no: root can, and then the case is moot.
bool schreibtTrotzdem(const QString& pfad, bool lesen) {
    QFile probe(pfad);
    return probe.open(lesen ? QIODevice::ReadOnly : QIODevice::WriteOnly | QIODevice::Append);
}

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

class TestProtokollAblage : public QObject {
    Q_OBJECT

    qint64 uhr_ = 1'000'000;

  private slots:
    void init() {
        setzeProtokollUhr([this] { return uhr_ += 10; });
    }
    void cleanup() {
        setzeProtokollUhr({});
        ProtokollAblage::setzeSchreiber({});
        setzeEndeDialoge({});
        setzeNachrichtenAnzeige({});
    }

    void severalRunsOnOneFile_data() {
        QTest::addColumn<QStringList>("alt");
        QTest::addColumn<QString>("ablauf");
        QTest::addColumn<QString>("datei");
        QTest::newRow("a third run started in between")
            << QStringList() << "A+ A:a1 B+ B:b1 C+ C:c1 A- C:c2 C- B:b2 B-"
            << "a1 b1 c1 c2 b2";
        QTest::newRow("clearing drops what was calculated before it, in every run")
            << QStringList() << "A+ B+ A:a1 B:b1 B! B:b2 A0 B:b3 A:a2 B- A-"
            << "b3 a2";
        QTest::newRow("old rows without a time stay first")
            << QStringList{"o1", "o2"} << "A+ B+ A:a1 B:b1 B- A-"
            << "o1 o2 a1 b1";
        QTest::newRow("clearing clears old rows too") << QStringList{"o1"} << "A+ A:a1 A0 A:a2 A-"
                                                      << "a2";
    }
    void severalRunsOnOneFile() {
        QFETCH(QStringList, alt);
        QFETCH(QString, ablauf);
        QFETCH(QString, datei);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("protokoll.json");
        if (!alt.isEmpty()) alteDatei(pfad, alt);
        spiele(pfad, ablauf);
        QCOMPARE(imFile(pfad), datei);
    }

    // Two runs, each starting, calculating, saving, calculating again and ending, in every
    // order their steps can interleave: the file holds the four rows in the order calculated.
    void everyInterleavingOfTwoRuns() {
        const QStringList a{"A+", "A:a1", "A!", "A:a2", "A-"};
        const QStringList b{"B+", "B:b1", "B!", "B:b2", "B-"};
        std::vector<int> wahl(10, 0);
        std::fill(wahl.begin() + 5, wahl.end(), 1);
        int ablaeufe = 0;
        do {
            QStringList ablauf;
            QStringList erwartet;
            qsizetype naechste[2] = {0, 0};
            for (int w : wahl) {
                const QString& schritt = (w == 0 ? a : b)[naechste[w]++];
                ablauf << schritt;
                if (schritt[1] == ':') erwartet << schritt.mid(2);
            }
            QTemporaryDir ordner;
            const QString pfad = ordner.filePath("protokoll.json");
            spiele(pfad, ablauf.join(' '));
            QVERIFY2(imFile(pfad) == erwartet.join(' '), qPrintable(ablauf.join(' ')));
            ++ablaeufe;
        } while (std::next_permutation(wahl.begin(), wahl.end()));
        QCOMPARE(ablaeufe, 252);
    }

    // A clock that stands still: the rows keep their order, and a row after a clearing in the
    // same millisecond stays.
    void aClockThatStandsStill() {
        setzeProtokollUhr([] { return 5000; });
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("protokoll.json");
        spiele(pfad, "A+ A:a1 A0 A:a2 A:a3 A-");
        QCOMPARE(imFile(pfad), "a2 a3");
    }

    // Every field, kinds, times and ids survive the file; a kind the file does not know reads
    // as a value.
    void everyFieldReadsBack() {
        ProtokollZeile graph = graphZeile("m[4 , 0][x , 2]", {"4", "0", "x", "2"});
        graph.zeit = 1234567890123;
        graph.id = "lauf/1";
        const ProtokollZeile abgelehnt =
            abgelehnteZeile({"7", "000", "2", "3"}, "Passen Sie bitte …");
        // clang-format off
        const ProtokollZeile fehler{"m[1/4 , ][1 , 0] =   0", "1/4", "", "1;\"\\\t", "0", "  0", "",
                                    "  Division:  b / e", true, "Division durch Null!", "1E+400"};
        // clang-format on
        const auto stand = protokollAusJson(protokollJson({{graph, abgelehnt, fehler}, 99}));
        QVERIFY(stand);
        QCOMPARE(protokollCsv(stand->zeilen), protokollCsv({graph, abgelehnt, fehler}));
        QCOMPARE(druckzeilen(stand->zeilen), druckzeilen({graph, abgelehnt, fehler}));
        QCOMPARE(stand->geleertBis, 99);
        QCOMPARE(stand->zeilen[0].art, ZeilenArt::Graph);
        QCOMPARE(stand->zeilen[0].zeit, 1234567890123);
        QCOMPARE(stand->zeilen[0].id, "lauf/1");
        QCOMPARE(stand->zeilen[1].art, ZeilenArt::Abgelehnt);
        QCOMPARE(protokollText(stand->zeilen[1]),
                 "[abgelehnt] m[7 , 000][2 , 3]: Passen Sie bitte …");
        QByteArray fremd = protokollJson({{graph}, 0});
        fremd.replace("\"graph\"", "\"neu\"");
        QCOMPARE(protokollAusJson(fremd)->zeilen[0].art, ZeilenArt::Wert);
        QVERIFY(!protokollAusJson(fremd.replace("\"version\":2", "\"version\":3")));
        // A row the file holds already, by its id, does not come twice.
        QCOMPARE(zusammenfuehren({graph}, {graph, abgelehnt}, 0).size(), 2);
    }

    // Each cause of a failed save: false, the reason in the window's words, the main window told
    // once however often the timer tries, the file as it was, the rows kept for the next try;
    // once the cause is gone the save succeeds, and a new failure is told again.
    void failedSaves_data() {
        QTest::addColumn<QString>("ursache");
        QTest::addColumn<QString>("grund");
        QTest::newRow("file read-only") << "datei"
                                        << "Die Datei ist schreibgeschützt.";
        QTest::newRow("folder read-only") << "ordner"
                                          << "Keine Berechtigung, in diesen Ordner zu schreiben.";
        QTest::newRow("disk full") << "No space left on device"
                                   << "Der Datenträger ist voll.";
        QTest::newRow("write refused") << "Permission denied"
                                       << "Keine Berechtigung, in diesen Ordner zu schreiben.";
        QTest::newRow("folder is a file") << "pfad"
                                          << "Der Ordner lässt sich nicht anlegen.";
        QTest::newRow("file unreadable") << "lesen"
                                         << "Die Protokolldatei lässt sich nicht lesen.";
        QTest::newRow("locked by another run")
            << "sperre"
            << "Ein anderes Fenster des Rechners hält die Protokolldatei gesperrt.";
    }
    void failedSaves() {
        QFETCH(QString, ursache);
        QFETCH(QString, grund);
        // As the program runs in German: Qt tells its reasons in German too.
        QVERIFY(setzeSprache(Sprache::Deutsch));
        QTemporaryDir ordner;
        const QString unter = ordner.filePath("unter");
        QString pfad = unter + "/protokoll.json";
        spiele(pfad, "A+ A:a1 A-");
        const QByteArray vorher = inhalt(pfad);

        const QFile::Permissions rechte = QFile::permissions(unter);
        QLockFile sperre(pfad + ".lock");
        const auto beheben = [&] {
            QFile::setPermissions(unter, rechte);
            QFile::setPermissions(pfad, rechte);
            ProtokollAblage::setzeSchreiber({});
            sperre.unlock();
        };
        if (ursache == "sperre") {
            QVERIFY(sperre.lock());
        } else if (ursache == "lesen") {
            QFile::setPermissions(pfad, QFile::WriteOwner);
        } else if (ursache == "datei") {
            QFile::setPermissions(pfad, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        } else if (ursache == "ordner") {
            QFile::setPermissions(unter, QFile::ReadOwner | QFile::ExeOwner);
        } else if (ursache == "pfad") {
            pfad = pfad + "/protokoll.json";
        } else {
            ProtokollAblage::setzeSchreiber(
                [ursache](QSaveFile&, const QByteArray&) { return "Cannot write: " + ursache; });
        }
        if ((ursache == "datei" || ursache == "ordner" || ursache == "lesen") &&
            schreibtTrotzdem(ursache == "ordner" ? unter + "/probe" : pfad, ursache == "lesen")) {
            beheben();
            QSKIP("this user writes regardless of permissions");
        }

        QWidget haupt;
        QList<Nachricht> hinweise;
        setzeNachrichtenAnzeige([&hinweise](QWidget*, const Nachricht& n) { hinweise << n; });
        ProtokollModell modell;
        ProtokollAblage ablage(modell, pfad);
        meldeSicherungsfehler(&haupt, ablage);
        if (ursache != "lesen") ablage.laden();
        modell.anhaengen(abgelehnteZeile({"7", "000", "2", "3"}, "x"));
        QVERIFY(!ablage.sichern());
        QVERIFY(!ablage.sichern());
        QCOMPARE(ablage.fehlerGrund(), grund);
        QCOMPARE(hinweise.size(), 1);
        QVERIFY2(hinweise[0].text.endsWith(": " + grund), qPrintable(hinweise[0].text));
        QVERIFY(modell.hinweis().endsWith(": " + grund));
        QVERIFY(ablage.hatUngesichertes());
        if (ursache != "pfad" && ursache != "lesen") QCOMPARE(inhalt(pfad), vorher);

        beheben();
        if (ursache == "pfad") QVERIFY(QFile::remove(unter + "/protokoll.json"));
        QVERIFY(ablage.sichern());
        if (ursache != "pfad") QCOMPARE(imFile(pfad), "a1 2");
        QVERIFY(modell.hinweis().isEmpty());
        QVERIFY(!ablage.hatUngesichertes());
        ProtokollAblage::setzeSchreiber(
            [](QSaveFile&, const QByteArray&) { return QString("No space left on device"); });
        modell.anhaengen({});
        QVERIFY(!ablage.sichern());
        QCOMPARE(hinweise.size(), 2);
    }

    // The three answers to the question at the end, and a file dialog cancelled in between;
    // the question tells the reason, and nothing is asked when nothing is new.
    void theQuestionAtTheEnd_data() {
        QTest::addColumn<QList<EndeWahl>>("antworten");
        QTest::addColumn<QStringList>("orte");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("anderswo");
        using W = EndeWahl;
        QTest::newRow("retry, and the cause is gone")
            << QList<W>{W::Wiederholen} << QStringList() << "a1 b1"
            << "<keine Datei>";
        QTest::newRow("saved elsewhere as a tape file")
            << QList<W>{W::Anderswo} << QStringList{"anders.json"} << "a1"
            << "a1 b1";
        QTest::newRow("dialog cancelled, then quit without")
            << QList<W>{W::Anderswo, W::OhneProtokoll} << QStringList{""} << "a1"
            << "<keine Datei>";
        QTest::newRow("quit without") << QList<W>{W::OhneProtokoll} << QStringList() << "a1"
                                      << "<keine Datei>";
        QTest::newRow("retry fails, then elsewhere as CSV")
            << QList<W>{W::Wiederholen, W::Wiederholen, W::Anderswo} << QStringList{"anders.csv"}
            << "a1"
            << "CSV";
        QTest::newRow("nothing new, nothing asked") << QList<W>{} << QStringList() << "a1"
                                                    << "<keine Datei>";
    }
    void theQuestionAtTheEnd() {
        QFETCH(QList<EndeWahl>, antworten);
        QFETCH(QStringList, orte);
        QFETCH(QString, datei);
        QFETCH(QString, anderswo);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("protokoll.json");
        spiele(pfad, "A+ A:a1 A-");
        ProtokollModell modell;
        ProtokollAblage ablage(modell, pfad);
        ablage.laden();
        ProtokollZeile zeile;
        zeile.basis = "b1";
        if (!antworten.isEmpty()) modell.anhaengen(zeile);

        // Full for good, unless the user only retries: then the cause goes with the question.
        const bool bleibtVoll = antworten != QList<EndeWahl>{EndeWahl::Wiederholen};
        ProtokollAblage::setzeSchreiber(
            [](QSaveFile&, const QByteArray&) { return QString("No space left on device"); });
        QStringList fragen;
        QString ziel;
        setzeEndeDialoge({[&](QWidget*, const QString& text) {
                              fragen << text;
                              if (!bleibtVoll) ProtokollAblage::setzeSchreiber({});
                              return antworten.value(fragen.size() - 1, EndeWahl::OhneProtokoll);
                          },
                          [&](QWidget*) {
                              ziel = orte.takeFirst();
                              return ziel.isEmpty() ? ziel : ordner.filePath(ziel);
                          }});
        QList<Nachricht> hinweise;
        setzeNachrichtenAnzeige([&hinweise](QWidget*, const Nachricht& n) { hinweise << n; });
        QWidget haupt;
        meldeSicherungsfehler(&haupt, ablage);
        sichereAmEnde(&haupt, ablage);
        ProtokollAblage::setzeSchreiber({});

        QCOMPARE(fragen.size(), antworten.size());
        QVERIFY(hinweise.isEmpty());
        QVERIFY(fragen.isEmpty() || fragen[0].contains("Der Datenträger ist voll."));
        QVERIFY(!ablage.hatUngesichertes());
        QCOMPARE(imFile(pfad), datei);
        if (anderswo == "CSV") {
            QVERIFY(inhalt(ordner.filePath(ziel)).startsWith("Rechenzahl;"));
            QVERIFY(inhalt(ordner.filePath(ziel)).contains("\n;;b1;"));
        } else {
            QCOMPARE(ziel.isEmpty() ? QString("<keine Datei>") : imFile(ordner.filePath(ziel)),
                     anderswo);
        }
    }

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

QTEST_MAIN(TestProtokollAblage)
#include "test_protokoll_ablage.moc"
