// The four input fields and the calculate command as the user meets them: start state,
// typing and the resets it causes, Enter, double-click, the Auflösungszahl lock, value
// calculations end to end and the limit button.
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/haupt_layout.h"
#include "app/support_haupt_tester.h"
#include "app/support_message_recorder.h"
#include "app/support_watchdog.h"

using namespace staffel;
using namespace staffel::app;
using staffel::apptest::HauptTester;

namespace {
const QColor kAufzahlHell(0xc0, 0xff, 0xc0);
const QColor kAufzahlGesperrt(0x00, 0xff, 0x00);
const QColor kExponentHinten(0xc0, 0xc0, 0xff);
const QColor kGrenzwertHinten(0x00, 0x00, 0x80);
const char* const kFields[] = {"txtRechenart", "txtAufzahl", "txtBasis", "txtExponent"};
const char* const kRecursionLabels[] = {"lblRecBer", "lblRecIII", "lblRecNA",  "lblRecIV",
                                        "lblRecG0",  "lblRecG1",  "lblRecG00", "lblRecG11"};
}  // namespace

class FrmHauptInputsTest : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<apptest::Watchdog> watchdog_;
    std::unique_ptr<apptest::MessageRecorder> messages_;
    std::unique_ptr<frmHaupt> window_;
    std::unique_ptr<HauptTester> t_;

  private slots:
    void init() {
        watchdog_ = std::make_unique<apptest::Watchdog>(QTest::currentTestFunction());
        messages_ = std::make_unique<apptest::MessageRecorder>();
        window_ = std::make_unique<frmHaupt>();
        t_ = std::make_unique<HauptTester>(*window_);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() {
        t_.reset();
        window_.reset();
        messages_.reset();
        watchdog_.reset();
    }

    void startStateIsTheDefaultDisplay() {
        QCOMPARE(t_->text("txtRechenart"), QString());
        QCOMPARE(t_->text("txtAufzahl"), QStringLiteral("0"));
        QCOMPARE(t_->text("txtBasis"), QString());
        QCOMPARE(t_->text("txtExponent"), QString());
        QCOMPARE(t_->text("lblNameRA"), QStringLiteral("     Name der Rechenart ?"));
        QCOMPARE(t_->text("lblErgebnis"), QString());
        QCOMPARE(t_->text("lblStp"), QString());
        QCOMPARE(t_->text("lblSpeicher"), QString());
        for (const char* name : kRecursionLabels) QVERIFY2(t_->text(name).isEmpty(), name);
        QVERIFY(t_->showsInvalid());
        QCOMPARE(t_->back("lblNameRA"), QColor(0x80, 0x80, 0x80));
        QCOMPARE(t_->back("txtAufzahl"), kAufzahlHell);
        QVERIFY(!t_->field("txtAufzahl")->isReadOnly());
        QCOMPARE(t_->back("txtExponent"), kExponentHinten);
        QCOMPARE(t_->fore("txtExponent"), QColor(Qt::black));
        QVERIFY(!window_->modul().GrenzwertModus);
        QVERIFY(messages_->messages().isEmpty());
    }

    void valueCalculationsEndToEnd_data() {
        QTest::addColumn<QString>("rechenart");
        QTest::addColumn<QString>("aufzahl");
        QTest::addColumn<QString>("basis");
        QTest::addColumn<QString>("exponent");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("name");
        QTest::newRow("addition") << "3"
                                  << ""
                                  << "3"
                                  << "4"
                                  << "  7"
                                  << " 0"
                                  << "";
        QTest::newRow("division") << "1/4"
                                  << "0"
                                  << "1"
                                  << "2"
                                  << "  0.5"
                                  << " 0"
                                  << "";
        QTest::newRow("recursion") << "7"
                                   << "00"
                                   << "2"
                                   << "3"
                                   << "  256"
                                   << " 2"
                                   << " Name der Rechenart ?";
        QTest::newRow("hyper-1") << "6"
                                 << "1"
                                 << "2"
                                 << "3"
                                 << "  16"
                                 << " 1"
                                 << " Hyper-1-Potenzierung";
        QTest::newRow("comma") << "3"
                               << ""
                               << "1,5"
                               << "1,5,5"
                               << "  3"
                               << " 0"
                               << "";
    }
    void valueCalculationsEndToEnd() {
        QFETCH(QString, rechenart);
        QFETCH(QString, aufzahl);
        QFETCH(QString, basis);
        QFETCH(QString, exponent);
        QFETCH(QString, ergebnis);
        QFETCH(QString, step);
        QFETCH(QString, name);
        t_->setInputs(rechenart, aufzahl, basis, exponent);
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), ergebnis);
        QCOMPARE(t_->text("lblStp"), step);
        if (!name.isEmpty()) QCOMPARE(t_->text("lblNameRA"), name);
        QVERIFY(t_->showsValid());
        QCOMPARE(t_->text("lblRecBer").isEmpty(), false);
        QVERIFY(messages_->messages().isEmpty());
        // The fields keep what the user typed.
        QCOMPARE(t_->text("txtAufzahl"), aufzahl);
    }

    void emptyFieldsShowTheInputMessageAndChangeNothing() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        const QString before = t_->text("lblErgebnis");
        t_->field("txtBasis")->clear();
        QVERIFY(t_->calculate());
        QCOMPARE(messages_->messages().size(), 1);
        const Nachricht& box = messages_->messages().first();
        QCOMPARE(box.titel, QStringLiteral("Problem"));
        QCOMPARE(box.text, QStringLiteral("Erst EINGABE , dann BERECHNUNG !"));
        QCOMPARE(box.symbol, QMessageBox::Critical);
        QCOMPARE(t_->text("lblErgebnis"), before);
        QVERIFY(!window_->calculationRunning());
    }

    void typingResetsEngineAndShowsInvalid() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        QVERIFY(t_->showsValid());
        const QString counter = t_->text("lblRecBer");
        QTest::keyClicks(t_->field("txtBasis"), "1");
        QCOMPARE(t_->text("txtBasis"), QStringLiteral("31"));
        QVERIFY(t_->showsInvalid());
        QCOMPARE(t_->back("lblNameRA"), QColor(0x80, 0x80, 0x80));
        QCOMPARE(t_->text("lblStp"), QStringLiteral(" 0"));
        QCOMPARE(window_->modul().ZaehlerBer.get(), -1);
        QCOMPARE(window_->modul().ZaehlerNA.get(), -1);
        // Labels keep their texts until the next calculation.
        QCOMPARE(t_->text("lblRecBer"), counter);
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  7"));
    }

    void enterInEachFieldCalculates() {
        for (const char* name : kFields) {
            t_->setInputs("3", "", "3", "4");
            QSignalSpy finished(window_.get(), &frmHaupt::calculationFinished);
            QTest::keyClick(t_->field(name), Qt::Key_Return);
            QVERIFY2(!finished.isEmpty() || finished.wait(60000), name);
            QVERIFY2(t_->text("lblErgebnis") == QStringLiteral("  7"), name);
            // Enter is not typed into the field.
            QCOMPARE(t_->text("txtBasis"), QStringLiteral("3"));
            t_->field("txtBasis")->clear();
        }
    }

    void doubleClickEmptiesEachField() {
        for (const char* name : kFields) {
            t_->setInputs("3", "0", "3", "4");
            QTest::mouseDClick(t_->field(name), Qt::LeftButton);
            QVERIFY2(t_->text(name).isEmpty(), name);
        }
    }

    void lockedAufzahlCanOnlyBeEmptiedByDoubleClick() {
        t_->setInputs("3", "0", "3", "4");
        QVERIFY(t_->calculate());
        QLineEdit* aufzahl = t_->field("txtAufzahl");
        QVERIFY(aufzahl->isReadOnly());
        QCOMPARE(t_->back("txtAufzahl"), kAufzahlGesperrt);
        QTest::keyClicks(aufzahl, "1");
        QCOMPARE(aufzahl->text(), QStringLiteral("0"));

        QTest::mouseDClick(aufzahl, Qt::LeftButton);
        QCOMPARE(aufzahl->text(), QString());
        QVERIFY(t_->showsInvalid());
        QCOMPARE(t_->back("txtAufzahl"), kAufzahlHell);
        QVERIFY(aufzahl->isReadOnly());

        // Changing the Rechenart keeps the lock until a calculation needs an Auflösungszahl.
        t_->field("txtRechenart")->setText("7");
        QVERIFY(aufzahl->isReadOnly());
        t_->setInputs("7", "0", "2", "3");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  256"));
        QVERIFY(!aufzahl->isReadOnly());
        QCOMPARE(t_->back("txtAufzahl"), kAufzahlHell);
        QCOMPARE(t_->text("lblStp"), QStringLiteral(" 2"));
    }

    void limitButtonColoursExponentAndEndsWithAnInputChange() {
        t_->setInputs("3", "", "2", "5");
        QVERIFY(t_->calculate("cmdEulersch"));
        QVERIFY(window_->modul().GrenzwertModus);
        QCOMPARE(t_->text("txtExponent"), QStringLiteral(" +- Unendlich"));
        QCOMPARE(t_->back("txtExponent"), kGrenzwertHinten);
        QCOMPARE(t_->fore("txtExponent"), QColor(0xff, 0xff, 0xff));
        // R = 3 has no limit rule.
        QCOMPARE(messages_->texts(),
                 QStringList{QStringLiteral(" In diesem Fall ist der Grenzwert unbekannt!")});
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  Grenzwert??"));

        // "Rechne !" again stays in the limit mode and keeps the colours.
        QVERIFY(t_->calculate());
        QVERIFY(window_->modul().GrenzwertModus);
        QCOMPARE(t_->back("txtExponent"), kGrenzwertHinten);

        QTest::keyClicks(t_->field("txtRechenart"), "4");
        QCOMPARE(t_->text("txtExponent"), QString());
        QCOMPARE(t_->back("txtExponent"), kExponentHinten);
        QCOMPARE(t_->fore("txtExponent"), QColor(Qt::black));
        QVERIFY(!window_->modul().GrenzwertModus);
    }

    void graphCaseLeavesResultAndCountersAlone() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        t_->field("txtBasis")->setText("X");
        t_->label("lblNameRA")->clear();
        // The watchdog closes the graph's modal windows.
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  7"));
        QCOMPARE(t_->text("lblRecBer"), QStringLiteral(" 0"));
        QCOMPARE(t_->text("lblNameRA"), QString::fromStdString(window_->modul().NameRechenart));
        QVERIFY(!t_->text("lblNameRA").isEmpty());
        QCOMPARE(QString::fromStdString(window_->modul().BasisText), QStringLiteral("x"));
        QVERIFY(messages_->messages().isEmpty());
    }

    void countersContinueOverTwoPresses() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblRecBer"), QStringLiteral(" 0"));
        QCOMPARE(t_->text("lblRecNA"), QStringLiteral(" 0"));
        QCOMPARE(t_->text("lblRecIII"), QStringLiteral(" 0"));
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblRecBer"), QStringLiteral(" 1"));
        QCOMPARE(t_->text("lblRecNA"), QStringLiteral(" 1"));
        // The interval counters were never touched and stay empty.
        QCOMPARE(t_->text("lblRecG00"), QString());
    }

    void refusedAufzahlStopsBeforeTheResult() {
        t_->setInputs("7", "02", "2", "3");
        QVERIFY(t_->calculate());
        QCOMPARE(messages_->texts(),
                 QStringList{
                     QStringLiteral("Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!")});
        QCOMPARE(t_->text("lblStp"), QStringLiteral(" 2"));
        QCOMPARE(t_->text("lblErgebnis"), QString());
        QVERIFY(t_->showsInvalid());
    }
};

QTEST_MAIN(FrmHauptInputsTest)
#include "test_frm_haupt_inputs.moc"
