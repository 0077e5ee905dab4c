#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "app/frm_graph.h"
#include "app/graph_launcher.h"
#include "app/message_seam.h"
#include "app/support_message_recorder.h"
#include "app/support_watchdog.h"
#include "engine/graph_pass.h"

using staffel::GraphEinstellungen;
using staffel::ModulRA;
using staffel::app::FrmGraph;
namespace graph = staffel::graph;

namespace {

std::optional<double> quadrat(float x) {
    return double{x} * double{x};
}

std::size_t parabelPunkte(const GraphEinstellungen& g) {
    std::size_t n = 0;
    for (const float x : graph::grobeStellen(g)) n += double{x} * x < 10;
    for (const float x : graph::feineStellen(g)) n += double{x} * x < 10;
    return n;
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

int blaueUm(const QImage& bild, double x, double y) {
    int blaue = 0;
    for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy) blaue += farbeBei(bild, x, y, dx, dy) == QColor(0, 0, 255);
    return blaue;
}

// A sample that takes its time, so the sampling is still running when the test acts.
struct LangsameProbe {
    std::atomic<int>* anzahl;
    std::optional<double> operator()(float) const {
        ++*anzahl;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return 1.0;
    }
};

}  // namespace

class TestGraphFenster : public QObject {
    Q_OBJECT

    // The graph case answers its modal windows itself; the watchdog only ends a hanging run.
    std::unique_ptr<staffel::apptest::Watchdog> watchdog_;
    std::unique_ptr<staffel::apptest::MessageRecorder> recorder_;

  private slots:
    void init() {
        watchdog_ = std::make_unique<staffel::apptest::Watchdog>(QTest::currentTestFunction(),
                                                                 std::chrono::seconds(60), false);
        recorder_ = std::make_unique<staffel::apptest::MessageRecorder>();
    }
    void cleanup() {
        recorder_.reset();
        watchdog_.reset();
    }

    void parabolaIsDrawnAndCountedPerPass() {
        ModulRA m;
        m.BasisText = "x";
        m.ExponentText = "2";
        m.FormelText = "m[5 , 0][x , 2]";
        FrmGraph fenster(m, nullptr, quadrat);
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        const auto proDurchgang = static_cast<staffel::Int16>(parabelPunkte(m.Graph));
        QCOMPARE(fenster.punkteZahl(), proDurchgang);

        const QImage bild = gezeichnet(fenster);
        QCOMPARE(farbeBei(bild, 8, 30), QColor(Qt::black));    // frame, left edge
        QCOMPARE(farbeBei(bild, 103, 30), QColor(255, 0, 0));  // cross, vertical
        QCOMPARE(farbeBei(bild, 60, 50), QColor(255, 0, 0));   // cross, horizontal
        QCOMPARE(farbeBei(bild, 150, 30), QColor(Qt::white));  // nothing there
        QVERIFY(blaueUm(bild, 122, 68) >= 4);                  // x = 2, y = 4

        // A new size is a new drawing pass: the same dots, counted again.
        fenster.resize(fenster.width() + 40, fenster.height() + 30);
        QTRY_COMPARE(fenster.punkteZahl(), 2 * proDurchgang);
        QVERIFY(blaueUm(gezeichnet(fenster), 122, 68) >= 4);

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
        const auto eintraege = fenster.findChild<QMenu*>(QStringLiteral("mnuGraphopt"))->actions();
        QCOMPARE(eintraege.size(), 2);
        QCOMPARE(eintraege[0], druck);
        QCOMPARE(eintraege[1]->objectName(), QStringLiteral("mnuGraphEnd"));
        QVERIFY(druck->isCheckable() && !druck->isChecked());

        druck->trigger();
        QCOMPARE(gedruckt.size(), 1);
        QVERIFY(druck->isChecked());
        QCOMPARE(recorder_->messages().size(), 1);
        QCOMPARE(recorder_->messages()[0].titel, QStringLiteral("Zelkon"));
        QCOMPARE(recorder_->messages()[0].text,
                 QStringLiteral("Die Form kann nicht gedruckt werden."));
        QCOMPARE(recorder_->messages()[0].symbol, QMessageBox::NoIcon);
        QVERIFY(fenster.isVisible());

        druck->trigger();
        QCOMPARE(gedruckt.size(), 1);
        QVERIFY(!druck->isChecked());

        gelingt = true;
        druck->trigger();
        QCOMPARE(gedruckt.size(), 2);
        QCOMPARE(recorder_->messages().size(), 1);
        QCOMPARE(gedruckt[1].size(), gezeichnet(fenster).size());
        QCOMPARE(farbeBei(gedruckt[1], 103, 30), QColor(255, 0, 0));
    }

    void printingWithoutPrinter() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("a default printer is installed");
        ModulRA m;
        FrmGraph fenster(m, nullptr, quadrat);
        fenster.show();
        fenster.findChild<QAction*>(QStringLiteral("mnuGraphdruck"))->trigger();
        QCOMPARE(recorder_->messages().size(), 1);
        QCOMPARE(recorder_->messages()[0].text,
                 QStringLiteral("Die Form kann nicht gedruckt werden."));
    }

    // "Graphik ausblenden", closing, or Esc (which first only halts, keeping the drawing).
    void closingHaltsTheSampling_data() {
        QTest::addColumn<QString>("wie");
        QTest::newRow("Graphik ausblenden") << "menu";
        QTest::newRow("Esc") << "Esc";
    }
    void closingHaltsTheSampling() {
        QFETCH(QString, wie);
        ModulRA m;
        std::atomic<int> proben = 0;
        FrmGraph fenster(m, nullptr, LangsameProbe{&proben});
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(fenster.punkteZahl() > 10, 20000);
        if (wie == "menu") {
            fenster.findChild<QAction*>(QStringLiteral("mnuGraphEnd"))->trigger();
        } else {
            QTest::keyClick(&fenster, Qt::Key_Escape);
            QVERIFY(fenster.isVisible());
            QVERIFY(!fenster.rechnetNoch());
            QTest::keyClick(&fenster, Qt::Key_Escape);
        }
        QVERIFY(!fenster.isVisible());
        QVERIFY(!fenster.rechnetNoch());
        const int bisher = proben;
        QVERIFY(bisher < 1000);
        QVERIFY(!m.haltAngefordert());
        QCOMPARE(m.Graph.PunkteZahl, fenster.punkteZahl());
        QTest::qWait(50);
        QCOMPARE(int(proben), bisher);
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
        fahrer.setInterval(20);
        connect(&fahrer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            if (gesehen.isEmpty() || gesehen.last() != modal->objectName()) {
                gesehen.append(modal->objectName());
            }
            if (modal->objectName() == "frmWerte") {
                modal->findChild<QLineEdit*>("txtOXGrenz")->setText("3");
                modal->findChild<QLineEdit*>("txtDX")->setText("100");
                modal->findChild<QPushButton*>(zeichnen ? "cmdWeEnd" : "cmdWeAbbr")->click();
            } else if (auto* graphFenster = qobject_cast<FrmGraph*>(modal);
                       graphFenster && !graphFenster->rechnetNoch()) {
                graphFenster->findChild<QAction*>("mnuGraphEnd")->trigger();
            }
        });
        fahrer.start();
        staffel::app::zeigeGraph(nullptr, m);
        fahrer.stop();

        QCOMPARE(gesehen, (QStringList{"frmWerte", "frmGraph"}));
        QCOMPARE(m.Graph.Xmax, zeichnen ? 3.0 : 4.0);
        QCOMPARE(m.Graph.DX, zeichnen ? 100.0 : 1000.0);
        const auto proDurchgang = static_cast<staffel::Int16>(graph::grobeStellen(m.Graph).size() +
                                                              graph::feineStellen(m.Graph).size());
        QCOMPARE(m.Graph.PunkteZahl, zeichnen ? proDurchgang : 7 + proDurchgang);
        QVERIFY(!m.haltAngefordert());
    }
};

QTEST_MAIN(TestGraphFenster)
#include "test_graph_fenster.moc"
