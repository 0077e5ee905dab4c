#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include "app/frm_werte.h"
#include "app/support_watchdog.h"
#include "engine/number_text.h"

using staffel::GraphEinstellungen;
using staffel::app::FrmWerte;

// The settings window as the user meets it; how the field texts are read is the engine's.
class TestGraphWerte : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::Watchdog> watchdog_;

    static QLineEdit* feld(FrmWerte& w, const char* name) {
        auto* f = w.findChild<QLineEdit*>(QString::fromLatin1(name));
        if (f == nullptr) qFatal("no field %s", name);
        return f;
    }
    static void klicke(FrmWerte& w, const char* name) {
        auto* knopf = w.findChild<QAbstractButton*>(QString::fromLatin1(name));
        if (knopf == nullptr) qFatal("no button %s", name);
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    static void setzeFelder(FrmWerte& w, const QStringList& texte) {
        const char* namen[] = {"txtUXGrenz", "txtOXGrenz", "txtUYGrenz", "txtOYGrenz", "txtDX"};
        for (int i = 0; i < texte.size(); ++i) feld(w, namen[i])->setText(texte[i]);
    }

  private slots:
    void init() {
        watchdog_ = std::make_unique<staffel::apptest::Watchdog>(QTest::currentTestFunction());
    }
    void cleanup() { watchdog_.reset(); }

    void openingFillsFieldsAndShowsTwentyLines() {
        GraphEinstellungen g{-2.5, 0.5, -1e20, 10, 250, 8, 6};
        FrmWerte w(g);
        QCOMPARE(w.objectName(), QStringLiteral("frmWerte"));
        for (const char* name :
             {"fraWerte", "lblUXGrenz", "lblOXGrenz", "fraYGrenzen", "lblUYGrenz", "lblOYGrenz",
              "fraGitter", "lbl20", "optGanz", "lblGanz", "lblDX", "cmdWeAbbr"}) {
            QVERIFY2(w.findChild<QWidget*>(QString::fromLatin1(name)), name);
        }
        const QStringList erwartet{"-2.5", "0.5", "-1E+20", "10", "250"};
        const char* namen[] = {"txtUXGrenz", "txtOXGrenz", "txtUYGrenz", "txtOYGrenz", "txtDX"};
        for (int i = 0; i < 5; ++i) QCOMPARE(feld(w, namen[i])->text(), erwartet[i]);
        QVERIFY(w.findChild<QRadioButton*>("opt20")->isChecked());
        QCOMPARE(g.GitterX, 8.0);  // opening shows "20" but keeps the stored counts
        QCOMPARE(g.GitterY, 6.0);
    }

    void gridUsesStoredRangeNotTheFields() {
        GraphEinstellungen g{0, 7.5, 0, 6.5};
        FrmWerte w(g);
        w.show();
        feld(w, "txtOXGrenz")->setText("50");
        klicke(w, "optGanz");
        QCOMPARE(g.GitterX, 8.0);
        QCOMPARE(g.GitterY, 6.0);
        klicke(w, "opt20");
        QCOMPARE(g.GitterX, 20.0);

        // A refused "Zeichnen" has stored its values: they count from then on.
        setzeFelder(w, {"5", "5"});
        klicke(w, "cmdWeEnd");
        QVERIFY(w.isVisible());
        klicke(w, "optGanz");
        QCOMPARE(g.GitterX, 0.0);
    }

    // Fields, then whether "Zeichnen" closes the window.
    void zeichnenStoresAndClosesUnlessARangeIsEmpty_data() {
        QTest::addColumn<QStringList>("felder");
        QTest::addColumn<bool>("schliesst");
        QTest::newRow("read") << QStringList{" 2,5", "1E3", " 7 ", "-0.5x", "0.1"} << true;
        QTest::newRow("x range empty") << QStringList{"5", "5", "-10", "10", "1000"} << false;
        QTest::newRow("y range empty") << QStringList{"-10", "10", "3", "3.0", "1000"} << false;
    }
    void zeichnenStoresAndClosesUnlessARangeIsEmpty() {
        QFETCH(QStringList, felder);
        QFETCH(bool, schliesst);
        GraphEinstellungen g;
        g.PunkteZahl = 99;
        FrmWerte w(g);
        w.show();
        setzeFelder(w, felder);
        klicke(w, "cmdWeEnd");
        QCOMPARE(w.isVisible(), !schliesst);
        QCOMPARE(g.Xmin, staffel::ZahlLesen(felder[0].toStdString()).wert);
        QCOMPARE(g.Ymax, staffel::ZahlLesen(felder[3].toStdString()).wert);
        QCOMPARE(g.PunkteZahl, staffel::Int16{0});
        if (schliesst) {
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QCOMPARE(g.DX, double(0.1f));
        } else {
            setzeFelder(w, {"-1", "1", "-1", "1"});
            klicke(w, "cmdWeEnd");
            QVERIFY(!w.isVisible());
        }
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
        QCOMPARE(g.Ymax, 6.0);
        QCOMPARE(g.DX, 70.0);
        QCOMPARE(g.PunkteZahl, staffel::Int16{10});
    }
};

QTEST_MAIN(TestGraphWerte)
#include "test_graph_werte.moc"
