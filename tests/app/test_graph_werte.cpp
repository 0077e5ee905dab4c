#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include "app/frm_werte.h"

using staffel::GraphEinstellungen;
using staffel::app::FrmWerte;

class TestGraphWerte : public QObject {
    Q_OBJECT

  private:
    static QLineEdit* feld(FrmWerte& w, const char* name) {
        auto* f = w.findChild<QLineEdit*>(QString::fromLatin1(name));
        Q_ASSERT(f);
        return f;
    }
    static void klicke(FrmWerte& w, const char* name) {
        auto* knopf = w.findChild<QAbstractButton*>(QString::fromLatin1(name));
        QVERIFY(knopf);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    static void setzeFelder(FrmWerte& w, const QStringList& texte) {
        const char* namen[] = {"txtUXGrenz", "txtOXGrenz", "txtUYGrenz", "txtOYGrenz", "txtDX"};
        for (int i = 0; i < texte.size(); ++i) feld(w, namen[i])->setText(texte[i]);
    }

  private slots:
    void init() {
        // Nothing here may wait on a modal window; close any that shows up.
        QTimer::singleShot(20000, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        });
    }

    void everyControlHasItsName() {
        GraphEinstellungen g;
        FrmWerte w(g);
        QCOMPARE(w.objectName(), QStringLiteral("frmWerte"));
        for (const char* name :
             {"fraWerte", "lblUXGrenz", "txtUXGrenz", "lblOXGrenz", "txtOXGrenz", "fraYGrenzen",
              "lblUYGrenz", "txtUYGrenz", "lblOYGrenz", "txtOYGrenz", "fraGitter", "opt20", "lbl20",
              "optGanz", "lblGanz", "txtDX", "lblDX", "cmdWeAbbr", "cmdWeEnd"}) {
            QVERIFY2(w.findChild<QWidget*>(QString::fromLatin1(name)), name);
        }
    }

    void openingFillsFieldsAndShowsTwentyLines() {
        GraphEinstellungen g{-2.5, 0.5, -1e20, 10, 250, 8, 6};
        FrmWerte w(g);
        QCOMPARE(feld(w, "txtUXGrenz")->text(), QStringLiteral("-2.5"));
        QCOMPARE(feld(w, "txtOXGrenz")->text(), QStringLiteral("0.5"));
        QCOMPARE(feld(w, "txtUYGrenz")->text(), QStringLiteral("-1E+20"));
        QCOMPARE(feld(w, "txtOYGrenz")->text(), QStringLiteral("10"));
        QCOMPARE(feld(w, "txtDX")->text(), QStringLiteral("250"));
        QVERIFY(w.findChild<QRadioButton*>("opt20")->isChecked());
        QCOMPARE(g.GitterX, 8.0);  // opening shows "20" but keeps the stored counts
        QCOMPARE(g.GitterY, 6.0);
    }

    void gridOptions_data() {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("xmax");
        QTest::addColumn<double>("ymax");
        QTest::addColumn<double>("gitterX");
        QTest::addColumn<double>("gitterY");
        QTest::newRow("default ranges") << -10.0 << 10.0 << 10.0 << 20.0 << 20.0;
        QTest::newRow("7.5 and 6.5") << 0.0 << 7.5 << 6.5 << 8.0 << 6.0;
        QTest::newRow("narrower than half a unit") << 0.0 << 0.4 << 0.25 << 0.0 << 0.0;
    }
    void gridOptions() {
        QFETCH(double, min);
        QFETCH(double, xmax);
        QFETCH(double, ymax);
        GraphEinstellungen g{min, xmax, min, ymax};
        FrmWerte w(g);
        w.show();
        klicke(w, "optGanz");
        QTEST(g.GitterX, "gitterX");
        QTEST(g.GitterY, "gitterY");
        klicke(w, "opt20");
        QCOMPARE(g.GitterX, 20.0);
        QCOMPARE(g.GitterY, 20.0);
    }

    void gridUsesStoredRangeNotTheFields() {
        GraphEinstellungen g;
        FrmWerte w(g);
        w.show();
        feld(w, "txtOXGrenz")->setText("50");
        klicke(w, "optGanz");
        QCOMPARE(g.GitterX, 20.0);

        // A refused "Zeichnen" has stored its values: they count from then on.
        setzeFelder(w, {"5", "5"});
        klicke(w, "cmdWeEnd");
        QVERIFY(w.isVisible());
        klicke(w, "opt20");
        klicke(w, "optGanz");
        QCOMPARE(g.GitterX, 0.0);
    }

    void zeichnenReadsAndCloses() {
        GraphEinstellungen g;
        g.PunkteZahl = 99;
        FrmWerte w(g);
        w.show();
        setzeFelder(w, {" 2,5", "1E3", " 7 ", "-0.5x", "0.1"});
        klicke(w, "cmdWeEnd");
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(g.Xmin, 2.0);
        QCOMPARE(g.Xmax, 1000.0);
        QCOMPARE(g.Ymin, 7.0);
        QCOMPARE(g.Ymax, -0.5);
        QCOMPARE(g.DX, double(0.1f));
        QCOMPARE(g.PunkteZahl, staffel::Int16{0});
    }

    void emptyRangeKeepsTheWindowOpen_data() {
        QTest::addColumn<QStringList>("felder");
        QTest::newRow("x range") << QStringList{"5", "5", "-10", "10", "1000"};
        QTest::newRow("y range") << QStringList{"-10", "10", "3", "3.0", "1000"};
        QTest::newRow("all empty") << QStringList{"", "", "", "", ""};
    }
    void emptyRangeKeepsTheWindowOpen() {
        QFETCH(QStringList, felder);
        GraphEinstellungen g;
        g.PunkteZahl = 99;
        FrmWerte w(g);
        w.show();
        setzeFelder(w, felder);
        klicke(w, "cmdWeEnd");
        QVERIFY(w.isVisible());
        QCOMPARE(g.Xmin, felder[0].toDouble());
        QCOMPARE(g.Xmax, felder[1].toDouble());
        QCOMPARE(g.PunkteZahl, staffel::Int16{0});

        setzeFelder(w, {"-1", "1", "-1", "1"});
        klicke(w, "cmdWeEnd");
        QVERIFY(!w.isVisible());
    }

    void abbrechenChangesNothing_data() {
        QTest::addColumn<bool>("perEsc");
        QTest::newRow("button") << false;
        QTest::newRow("Esc") << true;
    }
    void abbrechenChangesNothing() {
        QFETCH(bool, perEsc);
        GraphEinstellungen g{-3, 4, -5, 6, 70, 8, 9, 10};
        FrmWerte w(g);
        w.show();
        setzeFelder(w, {"1", "2", "3", "4", "5"});
        if (perEsc) {
            QTest::keyClick(&w, Qt::Key_Escape);
        } else {
            klicke(w, "cmdWeAbbr");
        }
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(g.Xmin, -3.0);
        QCOMPARE(g.Xmax, 4.0);
        QCOMPARE(g.Ymin, -5.0);
        QCOMPARE(g.Ymax, 6.0);
        QCOMPARE(g.DX, 70.0);
        QCOMPARE(g.PunkteZahl, staffel::Int16{10});
    }
};

QTEST_MAIN(TestGraphWerte)
#include "test_graph_werte.moc"
