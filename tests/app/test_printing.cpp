#include <QApplication>
#include <QPrinterInfo>
#include <QTest>
#include <QWidget>
#include <vector>

#include "app/calculation_printer.h"
#include "app/message_seam.h"

using namespace staffel::app;

// Printing with no print server reachable at all: the calculation goes on, and the user hears
// once per switching on that nothing can be printed.
class TestPrinting : public QObject {
    Q_OBJECT

  private:
    std::vector<Nachricht> nachrichten_;
    std::vector<QWidget*> eltern_;

  private slots:
    void initTestCase() {
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        QVERIFY(QPrinterInfo::availablePrinterNames().isEmpty());
        setzeNachrichtenAnzeige([this](QWidget* parent, const Nachricht& nachricht) {
            eltern_.push_back(parent);
            nachrichten_.push_back(nachricht);
        });
    }
    void init() {
        nachrichten_.clear();
        eltern_.clear();
    }
    void cleanupTestCase() { setzeNachrichtenAnzeige({}); }

    // Each step: switch ("an"/"aus") or print ("druck"), then the number of messages so far.
    void einmalProEinschalten_data() {
        QTest::addColumn<QStringList>("schritte");
        QTest::addColumn<QList<int>>("meldungen");
        QTest::newRow("never switched on") << QStringList{"druck", "druck"} << QList<int>{0, 0};
        QTest::newRow("once per switching on")
            << QStringList{"an", "druck", "druck", "druck"} << QList<int>{0, 1, 1, 1};
        QTest::newRow("off prints nothing and says nothing")
            << QStringList{"an", "druck", "aus", "druck"} << QList<int>{0, 1, 1, 1};
        QTest::newRow("switched on again")
            << QStringList{"an", "druck", "aus", "an", "druck", "druck"}
            << QList<int>{0, 1, 1, 1, 2, 2};
        QTest::newRow("on while already on is no new switching on")
            << QStringList{"an", "druck", "an", "druck"} << QList<int>{0, 1, 1, 1};
    }
    void einmalProEinschalten() {
        QFETCH(QStringList, schritte);
        QFETCH(QList<int>, meldungen);
        RechnungsDrucker drucker;
        QVERIFY(!drucker.aktiv());
        for (qsizetype i = 0; i < schritte.size(); ++i) {
            if (schritte[i] == "an") {
                drucker.setzeAktiv(true);
            } else if (schritte[i] == "aus") {
                drucker.setzeAktiv(false);
            } else {
                drucker.RechnungsDruck(nullptr, QStringLiteral("m[4 , 0][2 , 3] =   6"));
            }
            QCOMPARE(static_cast<int>(nachrichten_.size()), meldungen[i]);
        }
    }

    void meldungIstDeutschUndGehoertZumFenster() {
        QWidget haupt;
        RechnungsDrucker drucker;
        drucker.setzeAktiv(true);
        QVERIFY(drucker.aktiv());
        drucker.RechnungsDruck(&haupt, QStringLiteral("m[4 , 0][2 , 3] =   6"));
        QCOMPARE(nachrichten_.size(), std::size_t{1});
        QCOMPARE(eltern_.front(), &haupt);
        QCOMPARE(nachrichten_.front().symbol, QMessageBox::Warning);
        QVERIFY(nachrichten_.front().text.contains(QStringLiteral("nicht gedruckt")));
        QVERIFY(nachrichten_.front().text.contains(QStringLiteral("Ergebnis bleibt")));
    }
};

int main(int argc, char** argv) {
    // A socket where nothing listens: no print server, whatever the machine has set up.
    qputenv("CUPS_SERVER", "/nonexistent/staffelrechner-ohne-cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QApplication app(argc, argv);
    TestPrinting test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_printing.moc"
