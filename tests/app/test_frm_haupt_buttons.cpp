// Operation and transform buttons, the memory and the constants.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/support_haupt_tester.h"

using namespace staffel::app;

class FrmHauptButtonsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::HauptSitzung> s_;
    staffel::apptest::HauptTester* t_ = nullptr;

    void click(const QString& name) { t_->click(name.toLatin1().constData()); }

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::HauptSitzung>();
        t_ = &s_->t;
    }
    void cleanup() { s_.reset(); }

    // Button, then the Rechenart and Auflösungszahl it leaves after a valid 8/3, 101.
    void operationButtonsSetRechenart() {
        const QStringList faelle[] = {{"cmdPlus", "3", "101"}, {"cmdMinus", "1/3", "101"},
                                      {"cmdMal", "4", "101"},  {"cmdDiv", "1/4", "101"},
                                      {"cmdPot", "5", "101"},  {"cmdSqrt", "1/5", "0"},
                                      {"cmdLog", "1/5", "1"},  {"cmdHypPot", "6", "101"}};
        for (const QStringList& fall : faelle) {
            t_->setInputs("8/3", "101", "9", "2");
            QVERIFY(t_->calculate());
            click(fall[0]);
            QCOMPARE(t_->text("txtRechenart"), fall[1]);
            QCOMPARE(t_->text("txtAufzahl"), fall[2]);
            QVERIFY2(t_->showsInvalid(), qPrintable(fall[0]));
        }
        QVERIFY(s_->messages.messages().isEmpty());
    }

    void rootAndLogButtonsThenCalculate() {
        t_->setInputs("", "", "9", "2");
        t_->click("cmdSqrt");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  3"));
        t_->click("cmdLog");
        t_->field("txtBasis")->setText("8");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  3"));
    }

    // Rechenart before, button, Rechenart after; an empty "after" is a refusal with a message.
    void transformsRewriteOrRefuse() {
        const QStringList faelle[] = {
            {"-2", "cmdKehrwert", "1/-2"}, {"1/2", "cmdReiheM", "-1/2"},
            {"1,5", "cmdReiheP", "25/10"}, {"1,5", "cmdKehrwert", "10/15"},
            {"3", "cmdSpiegel", "3/2"},    {"3", "cmdNeuGes", "-1/2"},
            {"-1/2", "cmdReiheP", "1/2"},  {"1/2", "cmdKehrwert", "2"},
            {"2", "cmdSpiegel", "2"},      {"1/2", "cmdNeuGes", "2"},
            {"0", "cmdKehrwert", ""},      {"1", "cmdSpiegel", ""},
            {"1", "cmdNeuGes", ""},        {"32767", "cmdReiheP", ""},
            {"-32768", "cmdReiheM", ""},   {"-32768", "cmdSpiegel", ""},
            {"3/0", "cmdReiheP", ""},      {"40000", "cmdKehrwert", ""},
            {"0,12345", "cmdReiheP", ""},
        };
        for (const QStringList& fall : faelle) {
            const QString wo = fall.join(' ');
            s_->messages.clear();
            t_->field("txtRechenart")->setText(fall[0]);
            click(fall[1]);
            const bool refused = fall[2].isEmpty();
            QCOMPARE(t_->text("txtRechenart"), refused ? fall[0] : fall[2]);
            QVERIFY2(s_->messages.messages().size() == (refused ? 1 : 0), qPrintable(wo));
            if (refused) {
                QCOMPARE(s_->messages.messages().first().titel, QStringLiteral("Problem"));
                QCOMPARE(s_->messages.messages().first().symbol, QMessageBox::Critical);
            }
        }
    }

    void refusedTransformKeepsAValidResultShown() {
        t_->setInputs("1", "", "5", "2");
        QVERIFY(t_->calculate());
        t_->click("cmdSpiegel");
        QCOMPARE(s_->messages.messages().size(), 1);
        QCOMPARE(t_->text("txtRechenart"), QStringLiteral("1"));
        QVERIFY(t_->showsValid());
    }

    void memoryFlow() {
        // Before any calculation "Mem" stores the empty result.
        t_->click("cmdMax");
        t_->click("cmdMemory");
        QCOMPARE(t_->text("lblSpeicher"), QString());

        t_->setInputs("3", "", "3", "4");
        QVERIFY(t_->calculate());
        t_->click("cmdMemory");
        QCOMPARE(t_->text("lblSpeicher"), QStringLiteral("  7"));
        t_->click("cmdMemtoBase");
        QCOMPARE(t_->text("txtBasis"), QStringLiteral("  7"));
        QVERIFY(t_->showsInvalid());
        t_->click("cmdMemToExp");
        QCOMPARE(t_->text("txtExponent"), QStringLiteral("  7"));
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  14"));

        // Typing keeps the memory label; "CLEAR" empties it.
        QTest::keyClicks(t_->field("txtRechenart"), "1");
        QCOMPARE(t_->text("lblSpeicher"), QStringLiteral("  7"));
        t_->click("cmdClear");
        QCOMPARE(t_->text("lblSpeicher"), QString());
    }

    void constantsGoIntoTheMemory() {
        const QStringList faelle[] = {{"cmdMax", " 1.79769313486231E+308"},
                                      {"cmdMin", " -1.79769313486231E+308"},
                                      {"cmdPi", " 3.14159265358979"},
                                      {"cmdEulerE", " 2.71828182845905"}};
        for (const QStringList& fall : faelle) {
            click(fall[0]);
            QCOMPARE(t_->text("lblSpeicher"), fall[1]);
        }
        // The largest number reads back exactly.
        t_->click("cmdMax");
        t_->click("cmdMemtoBase");
        t_->setInputs("3", "", t_->text("txtBasis"), "2");
        QVERIFY(t_->calculate());
        QCOMPARE(s_->window->modul().BasisWert, 1.79769313486231E+308);
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  1.79769313486231E+308"));
    }
};

QTEST_MAIN(FrmHauptButtonsTest)
#include "test_frm_haupt_buttons.moc"
