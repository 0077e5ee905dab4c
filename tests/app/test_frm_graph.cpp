// The graph window and its settings window.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <atomic>
#include <thread>

#include "app/frm_graph.h"
#include "app/frm_werte.h"
#include "app/graph_launcher.h"
#include "app/support_fixture.h"

using staffel::GraphEinstellungen;
using staffel::Int16;
using staffel::ModulRA;
using staffel::app::FrmGraph;
namespace graph = staffel::graph;

namespace {

std::optional<double> quadrat(float x) {
    return double{x} * double{x};
}

// The dots one drawing pass gives, as the engine's pass counts them.
Int16 punkteProDurchgang(const GraphEinstellungen& g, const graph::Auswertung& f) {
    int n = 0;
    graph::Durchlauf(g, f, [&n](const graph::Punkt&) { ++n; });
    return static_cast<Int16>(n);
}

QImage gezeichnet(FrmGraph& fenster) {
    return fenster.findChild<QWidget*>(QStringLiteral("drawingArea"))->grab().toImage();
}

// The pixel of logical point (x, y), moved by (dx, dy) pixels.
QColor farbeBei(const QImage& bild, double x, double y, int dx = 0, int dy = 0) {
    return bild.pixelColor(
        static_cast<int>(x * bild.width() / graph::kBreite) + dx,
        static_cast<int>((graph::kHoehe - y) * bild.height() / graph::kHoehe) + dy);
}

bool blauUm(const QImage& bild, double x, double y) {
    int blaue = 0;
    for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy) blaue += farbeBei(bild, x, y, dx, dy) == Qt::blue;
    return blaue >= 4;
}

QLineEdit* feld(QWidget* w, const char* name) {
    return w->findChild<QLineEdit*>(QLatin1String(name));
}

}  // namespace

class TestFrmGraph : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::Sitzung> s_;

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::Sitzung>();
        s_->modaleSelbstBeantworten();
    }
    void cleanup() { s_.reset(); }

    void parabolaIsDrawnAndCountedPerPass() {
        ModulRA m;
        m.FormelText = "m[5 , 0][x , 2]";
        FrmGraph fenster(m, nullptr, quadrat);
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        const Int16 proDurchgang = punkteProDurchgang(m.Graph, quadrat);
        QCOMPARE(fenster.punkteZahl(), proDurchgang);
        const QImage bild = gezeichnet(fenster);
        QCOMPARE(farbeBei(bild, 8, 30), QColor(Qt::black));    // frame, left edge
        QCOMPARE(farbeBei(bild, 103, 30), QColor(255, 0, 0));  // cross
        QCOMPARE(farbeBei(bild, 150, 30), QColor(Qt::white));
        QVERIFY(blauUm(bild, 122, 68));  // x = 2, y = 4

        // A new size is a new drawing pass: the same dots, counted again.
        fenster.resize(fenster.width() + 40, fenster.height() + 30);
        QTRY_COMPARE(fenster.punkteZahl(), 2 * proDurchgang);
        QVERIFY(blauUm(gezeichnet(fenster), 122, 68));
        fenster.close();
        QCOMPARE(m.Graph.PunkteZahl, 2 * proDurchgang);
    }

    void printingOnEveryOtherSelection() {
        ModulRA m;
        FrmGraph fenster(m, nullptr, quadrat);
        QList<QImage> gedruckt;
        bool gelingt = false;
        fenster.setzeDrucker([&](const QImage& bild) {
            gedruckt.append(bild);
            return gelingt;
        });
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        auto* druck = fenster.findChild<QAction*>(QStringLiteral("mnuGraphdruck"));
        druck->trigger();
        QVERIFY(druck->isChecked());
        QCOMPARE(s_->meldungsTexte(), QStringList{"Die Form kann nicht gedruckt werden."});
        QCOMPARE(s_->meldungen()[0].titel, QStringLiteral("Zelkon"));
        druck->trigger();
        QVERIFY(!druck->isChecked());
        gelingt = true;
        druck->trigger();
        QCOMPARE(gedruckt.size(), 2);
        QCOMPARE(s_->meldungen().size(), 1);
        QCOMPARE(farbeBei(gedruckt[1], 103, 30), QColor(255, 0, 0));
    }

    // Esc first only halts the sampling, keeping the drawing; the second closes.
    void escHaltsTheSamplingThenCloses() {
        ModulRA m;
        std::atomic<int> proben = 0;
        FrmGraph fenster(m, nullptr, [&proben](float) -> std::optional<double> {
            ++proben;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            return 1.0;
        });
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(fenster.punkteZahl() > 10, 20000);
        QTest::keyClick(&fenster, Qt::Key_Escape);
        QVERIFY(fenster.isVisible());
        QVERIFY(!fenster.rechnetNoch());
        const int bisher = proben;
        QTest::qWait(50);
        QCOMPARE(int(proben), bisher);
        QTest::keyClick(&fenster, Qt::Key_Escape);
        QVERIFY(!fenster.isVisible());
        QVERIFY(!m.haltAngefordert());
        QCOMPARE(m.Graph.PunkteZahl, fenster.punkteZahl());
    }

    // The whole graph case: settings window, then the graph window, each modal.
    void settingsThenGraph_data() {
        QTest::addColumn<bool>("zeichnen");
        QTest::newRow("Zeichnen") << true;
        QTest::newRow("Abbrechen") << false;
    }
    void settingsThenGraph() {
        QFETCH(bool, zeichnen);
        ModulRA m;
        m.BasisText = "x";
        m.ExponentText = "0";
        m.AufZahl = "1";
        m.RZaehler = 6;  // m[6, 1][x, 0]: 1 for every positive x
        m.RNenner = 1;
        m.Graph.Xmin = 0.5;
        m.Graph.Xmax = 4;
        m.Graph.PunkteZahl = 7;
        QStringList gesehen;
        QTimer fahrer;
        connect(&fahrer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            if (gesehen.isEmpty() || gesehen.last() != modal->objectName()) {
                gesehen.append(modal->objectName());
            }
            if (modal->objectName() == "frmWerte") {
                feld(modal, "txtOXGrenz")->setText("3");
                feld(modal, "txtDX")->setText("100");
                modal->findChild<QPushButton*>(zeichnen ? "cmdWeEnd" : "cmdWeAbbr")->click();
            } else if (auto* g = qobject_cast<FrmGraph*>(modal); g && !g->rechnetNoch()) {
                g->findChild<QAction*>("mnuGraphEnd")->trigger();
            }
        });
        fahrer.start(20);
        staffel::app::zeigeGraph(nullptr, m);
        fahrer.stop();
        QCOMPARE(gesehen, (QStringList{"frmWerte", "frmGraph"}));
        QCOMPARE(m.Graph.Xmax, zeichnen ? 3.0 : 4.0);
        const Int16 proDurchgang = punkteProDurchgang(m.Graph, [](float) { return 1.0; });
        QCOMPARE(m.Graph.PunkteZahl, zeichnen ? proDurchgang : 7 + proDurchgang);
    }

    // A refused "Zeichnen" stores its values and stays open; the grid uses the stored ranges;
    // Esc stores nothing more.
    void settingsWindowStoresOnlyOnZeichnen() {
        GraphEinstellungen g{0, 7.5, 0, 6.5, 70};
        staffel::app::FrmWerte w(g);
        w.show();
        feld(&w, "txtOXGrenz")->setText("50");
        QTest::mouseClick(w.findChild<QAbstractButton*>("optGanz"), Qt::LeftButton);
        QCOMPARE(g.GitterX, 8.0);
        feld(&w, "txtUXGrenz")->setText("50");
        QTest::mouseClick(w.findChild<QAbstractButton*>("cmdWeEnd"), Qt::LeftButton);
        QVERIFY(w.isVisible());
        QCOMPARE(g.Xmin, 50.0);
        feld(&w, "txtDX")->setText("5");
        QTest::keyClick(&w, Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(g.DX, 70.0);
    }
};

QTEST_MAIN(TestFrmGraph)
#include "test_frm_graph.moc"
