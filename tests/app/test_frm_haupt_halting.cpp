// A long calculation runs off the UI thread: the counters rise while it runs, "#" and
// "CLEAR" stop it, closing the window stops it, and a halt pressed while nothing runs does
// not touch the next calculation.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/support_haupt_tester.h"

using namespace staffel::app;
using staffel::apptest::kRecursionLabels;

namespace {
// Hyper-1 power of 1.2: a recursion of one step per unit of the exponent that converges, so it
// runs far longer than any test waits unless it is stopped.
const QString kLang[] = {"6", "1", "1.2", "1000000000"};
constexpr int kGenerousMs = 30000;
const QString kAngehalten = QStringLiteral("    Berechnung angehalten!");
const char* const kLockedWhileRunning[] = {"txtRechenart", "txtAufzahl",   "txtBasis",
                                           "txtExponent",  "cmdRechne",    "cmdPlus",
                                           "cmdKehrwert",  "cmdMemtoBase", "cmdMemToExp"};
}  // namespace

class FrmHauptHaltingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::HauptSitzung> s_;
    staffel::apptest::HauptTester* t_ = nullptr;

    // Starts the long calculation and waits until the counter label has shown two different
    // values while it runs.
    void startLongCalculationAndSeeCountersRise() {
        t_->setInputs(kLang[0], kLang[1], kLang[2], kLang[3]);
        t_->click("cmdRechne");
        QVERIFY(s_->window->calculationRunning());
        QTRY_VERIFY_WITH_TIMEOUT(!t_->text("lblRecBer").isEmpty(), kGenerousMs);
        const QString first = t_->text("lblRecBer");
        QTRY_VERIFY_WITH_TIMEOUT(t_->text("lblRecBer") != first, kGenerousMs);
        QVERIFY(s_->window->calculationRunning());
    }

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::HauptSitzung>();
        t_ = &s_->t;
    }
    void cleanup() { s_.reset(); }

    void haltStopsALongCalculation() {
        startLongCalculationAndSeeCountersRise();
        for (const char* name : kLockedWhileRunning) QVERIFY2(!t_->widget(name)->isEnabled(), name);
        QVERIFY(t_->button("cmdHalt")->isEnabled());
        QVERIFY(t_->button("cmdClear")->isEnabled());

        QSignalSpy finished(s_->window.get(), &frmHaupt::calculationFinished);
        t_->click("cmdHalt");
        QVERIFY(t_->showsInvalid());
        QVERIFY(!finished.isEmpty() || finished.wait(kGenerousMs));
        QVERIFY(!s_->window->calculationRunning());
        QCOMPARE(t_->text("lblErgebnis"), kAngehalten);
        QVERIFY(t_->showsInvalid());
        for (const char* name : kLockedWhileRunning) QVERIFY2(t_->widget(name)->isEnabled(), name);
        QVERIFY(t_->text("lblRecBer").toLongLong() > 0);
        QVERIFY(s_->messages.messages().isEmpty());
    }

    void clearStopsALongCalculationAndEmptiesTheWindow() {
        startLongCalculationAndSeeCountersRise();
        QSignalSpy finished(s_->window.get(), &frmHaupt::calculationFinished);
        t_->click("cmdClear");
        QVERIFY(!s_->window->calculationRunning());
        QCOMPARE(t_->text("txtRechenart"), QString());
        QCOMPARE(t_->text("txtAufzahl"), QStringLiteral("0"));
        QCOMPARE(t_->text("txtBasis"), QString());
        QCOMPARE(t_->text("txtExponent"), QString());
        QCOMPARE(t_->text("lblErgebnis"), kAngehalten);
        QVERIFY(t_->showsInvalid());
        for (const char* name : kRecursionLabels) QVERIFY2(t_->text(name).isEmpty(), name);
        // The stopped calculation delivers nothing afterwards.
        QTest::qWait(300);
        QVERIFY(finished.isEmpty());
        QCOMPARE(t_->text("lblErgebnis"), kAngehalten);
        QVERIFY(t_->text("lblRecBer").isEmpty());
        QVERIFY(t_->field("txtBasis")->isEnabled());
    }

    void closingTheWindowStopsTheCalculation() {
        startLongCalculationAndSeeCountersRise();
        QVERIFY(s_->window->close());
        QVERIFY(!s_->window->calculationRunning());
    }

    void haltWhileNothingRunsDoesNotSpoilTheNextCalculation() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        t_->click("cmdHalt");
        QVERIFY(t_->showsInvalid());
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  7"));
        QVERIFY(t_->showsValid());
    }

    void engineMessageWaitsForTheWindow() {
        // A non-whole exponent reaching the recursion is reported from the calculation thread.
        t_->setInputs("7", "00", "2", "2.5");
        QVERIFY(t_->calculate());
        QCOMPARE(s_->messages.messages().size(), 1);
        QCOMPARE(s_->messages.messages().first().titel, QStringLiteral("Problem"));
        QCOMPARE(s_->messages.messages().first().symbol, QMessageBox::Critical);
        QVERIFY(t_->showsInvalid());
    }
};

QTEST_MAIN(FrmHauptHaltingTest)
#include "test_frm_haupt_halting.moc"
