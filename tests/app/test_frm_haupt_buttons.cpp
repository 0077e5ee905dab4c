// Operation and transform buttons, the memory and the constants.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/support_haupt_tester.h"
#include "app/support_message_recorder.h"
#include "app/support_watchdog.h"

using namespace staffel;
using namespace staffel::app;
using staffel::apptest::HauptTester;

class FrmHauptButtonsTest : public QObject {
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

    void operationButtonsSetRechenart_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("rechenart");
        QTest::addColumn<QString>("aufzahl");
        QTest::newRow("+") << "cmdPlus"
                           << "3"
                           << "101";
        QTest::newRow("-") << "cmdMinus"
                           << "1/3"
                           << "101";
        QTest::newRow("x") << "cmdMal"
                           << "4"
                           << "101";
        QTest::newRow(":") << "cmdDiv"
                           << "1/4"
                           << "101";
        QTest::newRow("^") << "cmdPot"
                           << "5"
                           << "101";
        QTest::newRow("rad") << "cmdSqrt"
                             << "1/5"
                             << "0";
        QTest::newRow("log") << "cmdLog"
                             << "1/5"
                             << "1";
        QTest::newRow("H^") << "cmdHypPot"
                            << "6"
                            << "101";
    }
    void operationButtonsSetRechenart() {
        QFETCH(QString, button);
        QFETCH(QString, rechenart);
        QFETCH(QString, aufzahl);
        t_->setInputs("8/3", "101", "9", "2");
        QVERIFY(t_->calculate());
        t_->click(button.toLatin1().constData());
        QCOMPARE(t_->text("txtRechenart"), rechenart);
        QCOMPARE(t_->text("txtAufzahl"), aufzahl);
        QVERIFY(t_->showsInvalid());
        QVERIFY(messages_->messages().isEmpty());
    }

    void rootButtonThenCalculateGivesTheSquareRoot() {
        t_->setInputs("", "", "9", "2");
        t_->click("cmdSqrt");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  3"));
        t_->click("cmdLog");
        t_->field("txtBasis")->setText("8");
        QVERIFY(t_->calculate());
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  3"));
    }

    void transformsRewriteTheFraction_data() {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("nachher");
        QTest::newRow("1/R of -2") << "-2"
                                   << "cmdKehrwert"
                                   << "1/-2";
        QTest::newRow("R-1 of 1/2") << "1/2"
                                    << "cmdReiheM"
                                    << "-1/2";
        QTest::newRow("R+1 of 1,5") << "1,5"
                                    << "cmdReiheP"
                                    << "25/10";
        QTest::newRow("1/R of 1,5") << "1,5"
                                    << "cmdKehrwert"
                                    << "10/15";
        QTest::newRow("R/(R-1) of 3") << "3"
                                      << "cmdSpiegel"
                                      << "3/2";
        QTest::newRow("1/(1-R) of 3") << "3"
                                      << "cmdNeuGes"
                                      << "-1/2";
        QTest::newRow("R+1 of -1/2") << "-1/2"
                                     << "cmdReiheP"
                                     << "1/2";
        QTest::newRow("1/R of 3/2") << "3/2"
                                    << "cmdKehrwert"
                                    << "2/3";
        QTest::newRow("1/R of 1/2") << "1/2"
                                    << "cmdKehrwert"
                                    << "2";
        QTest::newRow("R/(R-1) of 2") << "2"
                                      << "cmdSpiegel"
                                      << "2";
        QTest::newRow("R-1 of 3") << "3"
                                  << "cmdReiheM"
                                  << "2";
        QTest::newRow("1/(1-R) of 1/2") << "1/2"
                                        << "cmdNeuGes"
                                        << "2";
    }
    void transformsRewriteTheFraction() {
        QFETCH(QString, vorher);
        QFETCH(QString, button);
        QFETCH(QString, nachher);
        t_->field("txtRechenart")->setText(vorher);
        t_->click(button.toLatin1().constData());
        QCOMPARE(t_->text("txtRechenart"), nachher);
        QVERIFY(messages_->messages().isEmpty());
    }

    void refusedTransformsShowAMessageAndChangeNothing_data() {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<QString>("button");
        QTest::newRow("1/R of 0") << "0"
                                  << "cmdKehrwert";
        QTest::newRow("R/(R-1) of 1") << "1"
                                      << "cmdSpiegel";
        QTest::newRow("1/(1-R) of 1") << "1"
                                      << "cmdNeuGes";
        QTest::newRow("R+1 overflows") << "32767"
                                       << "cmdReiheP";
        QTest::newRow("R-1 overflows") << "-32768"
                                       << "cmdReiheM";
        QTest::newRow("R/(R-1) overflows") << "-32768"
                                           << "cmdSpiegel";
        QTest::newRow("unreadable 3/0") << "3/0"
                                        << "cmdReiheP";
        QTest::newRow("unreadable 40000") << "40000"
                                          << "cmdKehrwert";
        QTest::newRow("five decimals") << "0,12345"
                                       << "cmdReiheP";
    }
    void refusedTransformsShowAMessageAndChangeNothing() {
        QFETCH(QString, vorher);
        QFETCH(QString, button);
        t_->field("txtRechenart")->setText(vorher);
        t_->click(button.toLatin1().constData());
        QCOMPARE(t_->text("txtRechenart"), vorher);
        QCOMPARE(messages_->messages().size(), 1);
        QCOMPARE(messages_->messages().first().titel, QStringLiteral("Problem"));
        QCOMPARE(messages_->messages().first().symbol, QMessageBox::Critical);
        QVERIFY(!messages_->messages().first().text.isEmpty());
    }

    void refusedTransformKeepsAValidResultShown() {
        t_->setInputs("1", "", "5", "2");
        QVERIFY(t_->calculate());
        QVERIFY(t_->showsValid());
        t_->click("cmdSpiegel");
        QCOMPARE(messages_->messages().size(), 1);
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

    void constantsGoIntoTheMemory_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("speicher");
        QTest::newRow("max") << "cmdMax"
                             << " 1.79769313486231E+308";
        QTest::newRow("min") << "cmdMin"
                             << " -1.79769313486231E+308";
        QTest::newRow("pi") << "cmdPi"
                            << " 3.14159265358979";
        QTest::newRow("e") << "cmdEulerE"
                           << " 2.71828182845905";
    }
    void constantsGoIntoTheMemory() {
        QFETCH(QString, button);
        QFETCH(QString, speicher);
        t_->click(button.toLatin1().constData());
        QCOMPARE(t_->text("lblSpeicher"), speicher);
        QCOMPARE(QString::fromStdString(window_->modul().Speicher), speicher);
    }

    void largestNumberReadsBackExactly() {
        t_->click("cmdMax");
        t_->click("cmdMemtoBase");
        t_->field("txtExponent")->setText("2");
        t_->field("txtRechenart")->setText("3");
        QVERIFY(t_->calculate());
        QCOMPARE(window_->modul().BasisWert, 1.79769313486231E+308);
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  1.79769313486231E+308"));
    }
};

QTEST_MAIN(FrmHauptButtonsTest)
#include "test_frm_haupt_buttons.moc"
