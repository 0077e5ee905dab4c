#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/support_haupt_tester.h"

using namespace staffel::app;
using staffel::apptest::kRecursionLabels;

namespace {
const QColor kAufzahlHell(0xc0, 0xff, 0xc0);
const QColor kExponentHinten(0xc0, 0xc0, 0xff);
const QColor kGrenzwertHinten(0x00, 0x00, 0x80);
const char* const kFields[] = {"txtRechenart", "txtAufzahl", "txtBasis", "txtExponent"};
}  // namespace

class FrmHauptInputsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::HauptSitzung> s_;
    staffel::apptest::HauptTester* t_ = nullptr;

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::HauptSitzung>();
        t_ = &s_->t;
    }
    void cleanup() { s_.reset(); }

    void startStateIsTheDefaultDisplay() {
        const QStringList texte{"", "0", "", "", "     Name der Rechenart ?", "", "", ""};
        const char* namen[] = {"txtRechenart", "txtAufzahl",  "txtBasis", "txtExponent",
                               "lblNameRA",    "lblErgebnis", "lblStp",   "lblSpeicher"};
        for (int i = 0; i < texte.size(); ++i) QVERIFY2(t_->text(namen[i]) == texte[i], namen[i]);
        for (const char* name : kRecursionLabels) QVERIFY2(t_->text(name).isEmpty(), name);
        QVERIFY(t_->showsInvalid());
        QCOMPARE(t_->back("lblNameRA"), QColor(0x80, 0x80, 0x80));
        QCOMPARE(t_->back("txtAufzahl"), kAufzahlHell);
        QVERIFY(!t_->field("txtAufzahl")->isReadOnly());
        QCOMPARE(t_->back("txtExponent"), kExponentHinten);
        QCOMPARE(t_->fore("txtExponent"), QColor(Qt::black));
        QVERIFY(!s_->window->modul().GrenzwertModus);
    }

    // Inputs R, A, b, e, then the result label, step label and name label (empty: not checked).
    void valueCalculationsEndToEnd_data() {
        QTest::addColumn<QStringList>("fall");
        QTest::newRow("addition") << QStringList{"3", "", "3", "4", "  7", " 0", ""};
        QTest::newRow("recursion")
            << QStringList{"7", "00", "2", "3", "  256", " 2", " Name der Rechenart ?"};
        QTest::newRow("hyper-1") << QStringList{
            "6", "1", "2", "3", "  16", " 1", " Hyper-1-Potenzierung"};
        QTest::newRow("comma") << QStringList{"3", "", "1,5", "1,5,5", "  3", " 0", ""};
    }
    void valueCalculationsEndToEnd() {
        QFETCH(QStringList, fall);
        t_->setInputs(fall[0], fall[1], fall[2], fall[3]);
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), fall[4]);
        QCOMPARE(t_->text("lblStp"), fall[5]);
        if (!fall[6].isEmpty()) QCOMPARE(t_->text("lblNameRA"), fall[6]);
        QVERIFY(t_->showsValid());
        QVERIFY(!t_->text("lblRecBer").isEmpty());
        QVERIFY(s_->messages.messages().isEmpty());
        QCOMPARE(t_->text("txtAufzahl"), fall[1]);  // the fields keep what the user typed
    }

    void emptyFieldsShowTheInputMessageAndChangeNothing() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        t_->field("txtBasis")->clear();
        QVERIFY(t_->calculate());
        QCOMPARE(s_->messages.messages().size(), 1);
        const Nachricht& box = s_->messages.messages().first();
        QCOMPARE(box.titel, QStringLiteral("Problem"));
        QCOMPARE(box.text, QStringLiteral("Erst EINGABE , dann BERECHNUNG !"));
        QCOMPARE(box.symbol, QMessageBox::Critical);
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  7"));
        QVERIFY(!s_->window->calculationRunning());
    }

    void typingResetsEngineAndShowsInvalid() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        const QString counter = t_->text("lblRecBer");
        QTest::keyClicks(t_->field("txtBasis"), "1");
        QCOMPARE(t_->text("txtBasis"), QStringLiteral("31"));
        QVERIFY(t_->showsInvalid());
        QCOMPARE(t_->back("lblNameRA"), QColor(0x80, 0x80, 0x80));
        QCOMPARE(t_->text("lblStp"), QStringLiteral(" 0"));
        QCOMPARE(s_->window->modul().ZaehlerBer.get(), -1);
        QCOMPARE(s_->window->modul().ZaehlerNA.get(), -1);
        // Labels keep their texts until the next calculation.
        QCOMPARE(t_->text("lblRecBer"), counter);
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  7"));
    }

    void enterCalculatesAndDoubleClickEmptiesEachField() {
        for (const char* name : kFields) {
            t_->setInputs("3", "", "3", "4");
            QSignalSpy finished(s_->window.get(), &frmHaupt::calculationFinished);
            QTest::keyClick(t_->field(name), Qt::Key_Return);
            QVERIFY2(!finished.isEmpty() || finished.wait(60000), name);
            QVERIFY2(t_->text("lblErgebnis") == QStringLiteral("  7"), name);
            QCOMPARE(t_->text("txtBasis"), QStringLiteral("3"));  // Enter is not typed
            t_->field("txtBasis")->clear();
        }
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
        QCOMPARE(t_->back("txtAufzahl"), QColor(0x00, 0xff, 0x00));
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
        QVERIFY(s_->window->modul().GrenzwertModus);
        QCOMPARE(t_->text("txtExponent"), QStringLiteral(" +- Unendlich"));
        QCOMPARE(t_->back("txtExponent"), kGrenzwertHinten);
        QCOMPARE(t_->fore("txtExponent"), QColor(0xff, 0xff, 0xff));
        // R = 3 has no limit rule.
        QCOMPARE(s_->messages.texts(),
                 QStringList{QStringLiteral(" In diesem Fall ist der Grenzwert unbekannt!")});
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  Grenzwert??"));

        // "Rechne !" again stays in the limit mode and keeps the colours.
        QVERIFY(t_->calculate());
        QVERIFY(s_->window->modul().GrenzwertModus);
        QCOMPARE(t_->back("txtExponent"), kGrenzwertHinten);

        QTest::keyClicks(t_->field("txtRechenart"), "4");
        QCOMPARE(t_->text("txtExponent"), QString());
        QCOMPARE(t_->back("txtExponent"), kExponentHinten);
        QCOMPARE(t_->fore("txtExponent"), QColor(Qt::black));
        QVERIFY(!s_->window->modul().GrenzwertModus);
    }

    void graphCaseLeavesResultAndCountersAlone() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        t_->field("txtBasis")->setText("X");
        t_->label("lblNameRA")->clear();
        QVERIFY(t_->calculate());  // the watchdog closes the graph's modal windows
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  7"));
        QCOMPARE(t_->text("lblRecBer"), QStringLiteral(" 0"));
        QCOMPARE(t_->text("lblNameRA"), QString::fromStdString(s_->window->modul().NameRechenart));
        QVERIFY(!t_->text("lblNameRA").isEmpty());
        QCOMPARE(QString::fromStdString(s_->window->modul().BasisText), QStringLiteral("x"));
        QVERIFY(s_->messages.messages().isEmpty());
    }

    void countersContinueOverTwoPresses() {
        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblRecBer"), QStringLiteral(" 0"));
        QCOMPARE(t_->text("lblRecIII"), QStringLiteral(" 0"));
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblRecBer"), QStringLiteral(" 1"));
        QCOMPARE(t_->text("lblRecNA"), QStringLiteral(" 1"));
        QCOMPARE(t_->text("lblRecG00"), QString());  // never touched: stays empty
    }

    void refusedAufzahlStopsBeforeTheResult() {
        t_->setInputs("7", "02", "2", "3");
        QVERIFY(t_->calculate());
        QCOMPARE(s_->messages.texts(),
                 QStringList{
                     QStringLiteral("Die Auflösungszahl darf nur die Ziffern 0 und 1 enthalten!")});
        QCOMPARE(t_->text("lblStp"), QStringLiteral(" 2"));
        QCOMPARE(t_->text("lblErgebnis"), QString());
        QVERIFY(t_->showsInvalid());
    }
};

QTEST_MAIN(FrmHauptInputsTest)
#include "test_frm_haupt_inputs.moc"
