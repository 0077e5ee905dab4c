#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/frm_haupt.h"
#include "app/secondary_windows.h"
#include "app/support_haupt_tester.h"
#include "app/support_message_recorder.h"

using namespace staffel::app;
using staffel::apptest::HauptTester;
using staffel::apptest::MessageRecorder;

namespace {

const QString kDruckMeldung = QStringLiteral("nicht gedruckt");

// Runs `action` on the first modal window that shows up.
void beiModalemFenster(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start();
}

QWidget* sichtbar(const QString& name) {
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            if (found) return nullptr;
            found = widget;
        }
    }
    return found;
}

QAction* eintrag(frmHaupt& fenster, const char* name) {
    return fenster.findChild<QAction*>(QLatin1String(name));
}

int druckMeldungen(const MessageRecorder& recorder) {
    int count = 0;
    for (const QString& text : recorder.texts()) count += text.contains(kDruckMeldung) ? 1 : 0;
    return count;
}

}  // namespace

// The menus of the main window and the windows they open, seen from the main window; printing
// runs with no print server reachable (see main below).
class TestSecondaryThroughMain : public QObject {
    Q_OBJECT

  private:
    QTimer watchdog_;

  private slots:
    void init() {
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(60000);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            QFAIL("a modal window stayed open");
        });
        watchdog_.start();
    }
    void cleanup() {
        watchdog_.stop();
        watchdog_.disconnect();
        schliesseHilfefenster();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void menuesInIhrerFolge() {
        frmHaupt fenster;
        const QList<QAction*> oben = fenster.menuBar()->actions();
        QCOMPARE(oben.size(), 2);
        const struct {
            const char* name;
            const char* text;
            QStringList eintraege;
            QStringList texte;
        } menues[] = {
            {"mnuAndere",
             "&Weiteres",
             {"mnuQuell", "mnuRedruck", "mnuEnde"},
             {"&Quellrechenart", "&Rechnung drucken", "&Ende"}},
            {"mnuInfos",
             "&Infos",
             {"mnuGebrauch", "mnuGrundlagen", "mnuNormal", "mnuGlossar", "mnuAutor"},
             {"&Funktionsweise", "&Grundlagen", "&Normalalgebraische Rechenarten", "&Glossar",
              "&Autor"}},
        };
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(oben[i]->objectName(), QString::fromLatin1(menues[i].name));
            QCOMPARE(oben[i]->text(), QString::fromUtf8(menues[i].text));
            QVERIFY(oben[i]->menu());
            QStringList namen;
            QStringList texte;
            for (QAction* action : oben[i]->menu()->actions()) {
                namen << action->objectName();
                texte << action->text();
            }
            QCOMPARE(namen, menues[i].eintraege);
            QCOMPARE(texte, menues[i].texte);
        }
        QAction* drucken = eintrag(fenster, "mnuRedruck");
        QVERIFY(drucken->isCheckable());
        QVERIFY(!drucken->isChecked());
        drucken->trigger();
        QVERIFY(drucken->isChecked());
        drucken->trigger();
        QVERIFY(!drucken->isChecked());
    }

    void quellrechenartTutNichts() {
        MessageRecorder recorder;
        frmHaupt fenster;
        fenster.show();
        HauptTester tester(fenster);
        tester.setInputs("4", "0", "2", "3");
        QVERIFY(tester.calculate());
        const QString ergebnis = tester.text("lblErgebnis");
        const int fenster_vorher = QApplication::topLevelWidgets().size();
        eintrag(fenster, "mnuQuell")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::topLevelWidgets().size(), fenster_vorher);
        QCOMPARE(tester.text("lblErgebnis"), ergebnis);
        QVERIFY(recorder.messages().isEmpty());
    }

    // The help windows stay open beside the main window, which goes on calculating.
    void hilfefensterNebenDemRechner() {
        frmHaupt fenster;
        fenster.show();
        HauptTester tester(fenster);
        const struct {
            const char* eintrag;
            const char* fenster;
        } hilfen[] = {{"mnuGebrauch", "frmKomment"},
                      {"mnuGrundlagen", "frmGrundlagen"},
                      {"mnuNormal", "frmNormal"},
                      {"mnuGlossar", "frmGlossar"}};
        for (const auto& hilfe : hilfen) {
            eintrag(fenster, hilfe.eintrag)->trigger();
            eintrag(fenster, hilfe.eintrag)->trigger();
            QVERIFY2(sichtbar(QString::fromLatin1(hilfe.fenster)), hilfe.fenster);
            QVERIFY(!QApplication::activeModalWidget());
        }
        tester.setInputs("4", "0", "2", "3");
        QVERIFY(tester.calculate());
        QCOMPARE(tester.text("lblErgebnis").trimmed(), QStringLiteral("6"));
        for (const auto& hilfe : hilfen) QVERIFY(sichtbar(QString::fromLatin1(hilfe.fenster)));
    }

    void modaleFensterAusDenMenues_data() {
        QTest::addColumn<QString>("ausloeser");
        QTest::addColumn<QString>("fenster");
        QTest::addColumn<QString>("schliessen");
        QTest::newRow("&Autor") << "mnuAutor"
                                << "frmAutor"
                                << "cmdAEnde";
        QTest::newRow("&Ende") << "mnuEnde"
                               << "frmEnde"
                               << "cmdENein";
        QTest::newRow("Ende") << "cmdEnde"
                              << "frmEnde"
                              << "cmdENein";
        QTest::newRow("Auflösungsliste") << "cmdAufl"
                                         << "frmAufloes"
                                         << "cmdEaufl";
    }
    void modaleFensterAusDenMenues() {
        QFETCH(QString, ausloeser);
        QFETCH(QString, fenster);
        QFETCH(QString, schliessen);
        frmHaupt haupt;
        haupt.show();
        HauptTester tester(haupt);
        tester.setInputs("5", "0", "2", "10");
        QString gesehen;
        Qt::WindowModality modalitaet = Qt::NonModal;
        beiModalemFenster([&](QWidget* modal) {
            gesehen = modal->objectName();
            modalitaet = modal->windowModality();
            if (auto* knopf = modal->findChild<QPushButton*>(schliessen)) {
                knopf->click();
            } else {
                modal->close();
            }
        });
        if (QAction* action = eintrag(haupt, ausloeser.toLatin1().constData())) {
            action->trigger();
        } else {
            tester.click(ausloeser.toLatin1().constData());
        }
        QCOMPARE(gesehen, fenster);
        QCOMPARE(modalitaet, Qt::ApplicationModal);
        QVERIFY(haupt.isVisible());
        QCOMPARE(tester.text("txtBasis"), QStringLiteral("2"));
        QCOMPARE(tester.text("txtExponent"), QStringLiteral("10"));
    }

    void endeMitJaNeinUndEnter_data() {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<bool>("hauptfensterOffen");
        QTest::newRow("Nein") << "Nein" << true;
        QTest::newRow("Enter") << "Enter" << true;
        QTest::newRow("Ja") << "Ja" << false;
    }
    void endeMitJaNeinUndEnter() {
        QFETCH(QString, antwort);
        QFETCH(bool, hauptfensterOffen);
        frmHaupt haupt;
        haupt.show();
        HauptTester tester(haupt);
        tester.setInputs("4", "0", "2", "3");
        QVERIFY(tester.calculate());
        eintrag(haupt, "mnuGlossar")->trigger();
        beiModalemFenster([&](QWidget* modal) {
            if (antwort == "Ja") {
                modal->findChild<QPushButton*>(QStringLiteral("cmdEJa"))->click();
            } else if (antwort == "Nein") {
                modal->findChild<QPushButton*>(QStringLiteral("cmdENein"))->click();
            } else {
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                                Qt::Key_Return);
            }
        });
        tester.click("cmdEnde");
        QCOMPARE(haupt.isVisible(), hauptfensterOffen);
        QVERIFY(!haupt.calculationRunning());
        // The glossary is no child of the main window: it stays whatever the answer.
        QVERIFY(sichtbar(QStringLiteral("frmGlossar")));
        if (hauptfensterOffen) {
            QCOMPARE(tester.text("lblErgebnis").trimmed(), QStringLiteral("6"));
            QCOMPARE(tester.text("txtRechenart"), QStringLiteral("4"));
        }
    }

    void auflListeDerLetztenRechnung() {
        frmHaupt haupt;
        haupt.show();
        HauptTester tester(haupt);
        const auto zeige = [&tester] {
            QPair<QString, QString> gezeigt;
            beiModalemFenster([&gezeigt](QWidget* modal) {
                gezeigt = {modal->findChild<QLabel*>(QStringLiteral("lblListwert"))->text(),
                           modal->findChild<QLabel*>(QStringLiteral("lblStpwert"))->text()};
                modal->close();
            });
            tester.click("cmdAufl");
            return gezeigt;
        };
        QCOMPARE(zeige(), qMakePair(QString(), QStringLiteral("0")));
        tester.setInputs("8/3", "000", "2", "3");
        QVERIFY(tester.calculate());
        QCOMPARE(zeige(), qMakePair(QStringLiteral("{ 8/3, 5/3, 2/3, 3/2 }"), QStringLiteral("3")));
        tester.field("txtBasis")->setText(QStringLiteral("5"));
        QCOMPARE(zeige(), qMakePair(QString(), QStringLiteral("0")));
    }

    // No print server: the result stays on the screen, the user is told once per switching
    // on, and only value calculations try to print.
    void druckenOhneDrucker() {
        MessageRecorder recorder;
        frmHaupt haupt;
        haupt.show();
        HauptTester tester(haupt);
        QAction* drucken = eintrag(haupt, "mnuRedruck");
        drucken->trigger();

        tester.setInputs("4", "0", "2", "3");
        QVERIFY(tester.calculate());
        QCOMPARE(tester.text("lblErgebnis").trimmed(), QStringLiteral("6"));
        QCOMPARE(druckMeldungen(recorder), 1);
        tester.setInputs("3", "0", "2", "3");
        QVERIFY(tester.calculate());
        QCOMPARE(tester.text("lblErgebnis").trimmed(), QStringLiteral("5"));
        QCOMPARE(druckMeldungen(recorder), 1);
        QVERIFY(haupt.isVisible());
    }

    void nurWerteWerdenGedruckt_data() {
        QTest::addColumn<QStringList>("eingaben");
        QTest::addColumn<int>("druckversuche");
        QTest::newRow("value") << QStringList{"4", "0", "2", "3"} << 1;
        QTest::newRow("message result") << QStringList{"3/4", "10", "7", "4"} << 1;
        QTest::newRow("input missing") << QStringList{"4", "0", "", "3"} << 0;
        QTest::newRow("Auflösungszahl rejected") << QStringList{"8/3", "0101", "2", "3"} << 0;
        QTest::newRow("graph") << QStringList{"4", "0", "x", "3"} << 0;
    }
    void nurWerteWerdenGedruckt() {
        QFETCH(QStringList, eingaben);
        QFETCH(int, druckversuche);
        MessageRecorder recorder;
        frmHaupt haupt;
        haupt.show();
        HauptTester tester(haupt);
        eintrag(haupt, "mnuRedruck")->trigger();
        tester.setInputs(eingaben[0], eingaben[1], eingaben[2], eingaben[3]);
        // The graph opens its modal windows; close them as they come.
        QTimer schliesser;
        QObject::connect(&schliesser, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        schliesser.start(20);
        tester.click("cmdRechne");
        QVERIFY(tester.waitUntilFinished());
        QTest::qWait(50);
        schliesser.stop();
        QCOMPARE(druckMeldungen(recorder), druckversuche);
    }
};

int main(int argc, char** argv) {
    // A socket where nothing listens: no print server, whatever the machine has set up.
    qputenv("CUPS_SERVER", "/nonexistent/staffelrechner-ohne-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    TestSecondaryThroughMain test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_secondary_through_main.moc"
