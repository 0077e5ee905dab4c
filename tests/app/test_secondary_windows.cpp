// The menus of the main window and the windows they open, and printing with no print server
// reachable (see main below).
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/calculation_printer.h"
#include "app/frm_haupt.h"
#include "app/secondary_windows.h"
#include "app/support_haupt_tester.h"

using namespace staffel::app;
using staffel::apptest::HauptTester;
using staffel::apptest::MessageRecorder;

namespace {

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

// The one visible top-level window of that name; two of them count as none.
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

QAction* eintrag(frmHaupt& fenster, const QString& name) {
    return fenster.findChild<QAction*>(name);
}

int druckMeldungen(const MessageRecorder& recorder) {
    return static_cast<int>(recorder.texts().filter(QStringLiteral("nicht gedruckt")).size());
}

}  // namespace

class TestSecondaryWindows : public QObject {
    Q_OBJECT

    // Tests answer modal windows themselves; the watchdog only ends a hanging run.
    std::unique_ptr<staffel::apptest::Watchdog> watchdog_;
    std::unique_ptr<MessageRecorder> recorder_;
    std::unique_ptr<frmHaupt> haupt_;
    std::unique_ptr<HauptTester> t_;

  private slots:
    void initTestCase() { QVERIFY(QPrinterInfo::defaultPrinter().isNull()); }
    void init() {
        watchdog_ = std::make_unique<staffel::apptest::Watchdog>(QTest::currentTestFunction(),
                                                                 std::chrono::seconds(60), false);
        recorder_ = std::make_unique<MessageRecorder>();
        haupt_ = std::make_unique<frmHaupt>();
        haupt_->show();
        t_ = std::make_unique<HauptTester>(*haupt_);
    }
    void cleanup() {
        t_.reset();
        haupt_.reset();
        recorder_.reset();
        schliesseHilfefenster();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        watchdog_.reset();
    }

    void quellrechenartTutNichts() {
        t_->setInputs("4", "0", "2", "3");
        QVERIFY(t_->calculate());
        const int fensterVorher = QApplication::topLevelWidgets().size();
        eintrag(*haupt_, "mnuQuell")->trigger();
        QCoreApplication::processEvents();
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(QApplication::topLevelWidgets().size(), fensterVorher);
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  6"));
        QVERIFY(recorder_->messages().isEmpty());
    }

    // Menu entry, window, title: each help window stays beside the main window, once only,
    // comes forward when chosen again and is built afresh once closed.
    void hilfefensterNebenDemRechner() {
        const QStringList hilfen[] = {
            {"mnuGebrauch", "frmKomment", "Gebrauchsanweisung"},
            {"mnuGrundlagen", "frmGrundlagen", "Grundlagen"},
            {"mnuNormal", "frmNormal", "Rechenarten mit normalalgebraischer Umschreibung"},
            {"mnuGlossar", "frmGlossar", "Glossar"}};
        for (const QStringList& hilfe : hilfen) {
            eintrag(*haupt_, hilfe[0])->trigger();
            eintrag(*haupt_, hilfe[0])->trigger();
            QWidget* fenster = sichtbar(hilfe[1]);
            QVERIFY2(fenster, qPrintable(hilfe[1]));
            QCOMPARE(fenster->windowTitle(), hilfe[2]);
            QCOMPARE(fenster->parentWidget(), nullptr);
            QVERIFY(!QApplication::activeModalWidget());
            auto* anzeige = fenster->findChild<QTextEdit*>();
            QVERIFY(anzeige && anzeige->isReadOnly() && !anzeige->toPlainText().isEmpty());

            fenster->showMinimized();
            eintrag(*haupt_, hilfe[0])->trigger();
            QCOMPARE(sichtbar(hilfe[1]), fenster);
            QVERIFY(!fenster->isMinimized());

            QPointer<QWidget> alt(fenster);
            fenster->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(alt.isNull());
            eintrag(*haupt_, hilfe[0])->trigger();
            QVERIFY(sichtbar(hilfe[1]));
        }
        t_->setInputs("4", "0", "2", "3");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  6"));
        for (const QStringList& hilfe : hilfen) QVERIFY(sichtbar(hilfe[1]));
    }

    // Menu entry or button, the modal window it opens, the button that closes it.
    void modaleFensterAusDenMenues_data() {
        QTest::addColumn<QStringList>("fall");
        QTest::newRow("&Autor") << QStringList{"mnuAutor", "frmAutor", "cmdAEnde"};
        QTest::newRow("&Ende") << QStringList{"mnuEnde", "frmEnde", "cmdENein"};
        QTest::newRow("Auflösungsliste") << QStringList{"cmdAufl", "frmAufloes", "cmdEaufl"};
    }
    void modaleFensterAusDenMenues() {
        QFETCH(QStringList, fall);
        zeigeGlossar(haupt_.get());
        t_->setInputs("5", "0", "2", "10");
        QString gesehen;
        Qt::WindowModality modalitaet = Qt::NonModal;
        bool knopfGefunden = false;
        beiModalemFenster([&](QWidget* modal) {
            gesehen = modal->objectName();
            modalitaet = modal->windowModality();
            auto* knopf = modal->findChild<QPushButton*>(fall[2]);
            knopfGefunden = knopf != nullptr;
            knopf ? knopf->click() : void(modal->close());
        });
        if (QAction* action = eintrag(*haupt_, fall[0])) {
            action->trigger();
        } else {
            t_->click(fall[0].toLatin1().constData());
        }
        QCOMPARE(gesehen, fall[1]);
        QCOMPARE(modalitaet, Qt::ApplicationModal);
        QVERIFY(knopfGefunden);
        QVERIFY(haupt_->isVisible());
        QVERIFY(sichtbar(QStringLiteral("frmGlossar")));
        QCOMPARE(t_->text("txtExponent"), QStringLiteral("10"));
    }

    // "Nein" has the focus, so Enter right after opening answers no.
    void endeMitJaNeinUndEnter_data() {
        QTest::addColumn<QString>("antwort");
        QTest::addColumn<bool>("hauptfensterOffen");
        QTest::newRow("Ja") << "Ja" << false;
        QTest::newRow("Nein") << "Nein" << true;
        QTest::newRow("Enter") << "Enter" << true;
    }
    void endeMitJaNeinUndEnter() {
        QFETCH(QString, antwort);
        QFETCH(bool, hauptfensterOffen);
        t_->setInputs("4", "0", "2", "3");
        QVERIFY(t_->calculate());
        eintrag(*haupt_, "mnuGlossar")->trigger();
        QString fokus;
        beiModalemFenster([&](QWidget* modal) {
            fokus = modal->focusWidget() ? modal->focusWidget()->objectName() : QString();
            if (antwort == "Ja" || antwort == "Nein") {
                modal->findChild<QPushButton*>("cmdE" + antwort)->click();
            } else {
                QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal,
                                Qt::Key_Return);
            }
        });
        t_->click("cmdEnde");
        QCOMPARE(fokus, QStringLiteral("cmdENein"));
        QCOMPARE(haupt_->isVisible(), hauptfensterOffen);
        QVERIFY(!QApplication::activeModalWidget());
        // The glossary is no child of the main window: it stays whatever the answer.
        QVERIFY(sichtbar(QStringLiteral("frmGlossar")));
        if (hauptfensterOffen) QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  6"));
    }

    void auflListeDerLetztenRechnung() {
        const auto zeige = [this] {
            QPair<QString, QString> gezeigt;
            beiModalemFenster([&gezeigt](QWidget* modal) {
                gezeigt = {modal->findChild<QLabel*>(QStringLiteral("lblListwert"))->text(),
                           modal->findChild<QLabel*>(QStringLiteral("lblStpwert"))->text()};
                modal->close();
            });
            t_->click("cmdAufl");
            return gezeigt;
        };
        QCOMPARE(zeige(), qMakePair(QString(), QStringLiteral("0")));
        t_->setInputs("8/3", "000", "2", "3");
        QVERIFY(t_->calculate());
        QCOMPARE(zeige(), qMakePair(QStringLiteral("{ 8/3, 5/3, 2/3, 3/2 }"), QStringLiteral("3")));
        t_->field("txtBasis")->setText(QStringLiteral("5"));
        QCOMPARE(zeige(), qMakePair(QString(), QStringLiteral("0")));
    }

    // Once per switching on; off says nothing; on while already on is no new switching on.
    void druckerMeldetEinmalProEinschalten() {
        const QStringList schritte{"druck", "an", "druck", "druck", "aus",
                                   "druck", "an", "druck", "an",    "druck"};
        const QList<int> meldungen{0, 0, 1, 1, 1, 1, 1, 2, 2, 2};
        RechnungsDrucker drucker;
        QVERIFY(!drucker.aktiv());
        for (qsizetype i = 0; i < schritte.size(); ++i) {
            if (schritte[i] == "druck") {
                drucker.RechnungsDruck(haupt_.get(), QStringLiteral("m[4 , 0][2 , 3] =   6"));
            } else {
                drucker.setzeAktiv(schritte[i] == "an");
            }
            QCOMPARE(static_cast<int>(recorder_->messages().size()), meldungen[i]);
        }
        for (const Nachricht& nachricht : recorder_->messages()) {
            QCOMPARE(nachricht.symbol, QMessageBox::Warning);
            QVERIFY(nachricht.text.contains(QStringLiteral("Ergebnis bleibt")));
        }
    }

    // Only value calculations try to print; the result stays on the screen.
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
        QAction* drucken = eintrag(*haupt_, "mnuRedruck");
        QVERIFY(drucken->isCheckable() && !drucken->isChecked());
        drucken->trigger();
        QVERIFY(drucken->isChecked());
        t_->setInputs(eingaben[0], eingaben[1], eingaben[2], eingaben[3]);
        // The graph opens its modal windows; close them as they come.
        QTimer schliesser;
        QObject::connect(&schliesser, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
        schliesser.start(20);
        t_->click("cmdRechne");
        QVERIFY(t_->waitUntilFinished());
        QTest::qWait(50);
        schliesser.stop();
        QCOMPARE(druckMeldungen(*recorder_), druckversuche);
        if (druckversuche > 0) QVERIFY(!t_->text("lblErgebnis").trimmed().isEmpty());
    }

    // The main window may close while help windows stay; the program then ends with the
    // last of them. Runs the real event loop, so it comes last.
    void programmEndetMitDemLetztenFenster() {
        auto* haupt = new QWidget;
        haupt->setAttribute(Qt::WA_DeleteOnClose);
        haupt->show();
        zeigeGlossar(haupt);
        zeigeGrundlagen(haupt);
        bool glossarNachHauptfenster = false;
        bool laeuftNachGlossar = false;
        QTimer::singleShot(0, haupt, [haupt] { haupt->close(); });
        QTimer::singleShot(50, qApp, [&] {
            QWidget* glossar = sichtbar(QStringLiteral("frmGlossar"));
            glossarNachHauptfenster = glossar != nullptr;
            if (glossar) glossar->close();
        });
        QTimer::singleShot(100, qApp, [&] {
            laeuftNachGlossar = true;
            if (QWidget* grundlagen = sichtbar(QStringLiteral("frmGrundlagen")))
                grundlagen->close();
        });
        haupt_->hide();  // the fixture's main window takes no part
        QCoreApplication::exec();
        QVERIFY(glossarNachHauptfenster);
        QVERIFY(laeuftNachGlossar);
    }
};

int main(int argc, char** argv) {
    // A socket where nothing listens: no print server, whatever the machine has set up.
    qputenv("CUPS_SERVER", "/nonexistent/staffelrechner-ohne-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    TestSecondaryWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_secondary_windows.moc"
