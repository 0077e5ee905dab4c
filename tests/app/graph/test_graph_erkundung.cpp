// Exploring the graph window: wheel, drag, keys, "Zurück", and the readout of a sample, through
// the real window.
#include <QAction>
#include <QLabel>
#include <QtTest>
#include <thread>

#include "app/graph/frm_graph.h"
#include "app/support_fixture.h"
#include "engine/run/antwort.h"

using staffel::GraphEinstellungen;
using staffel::ModulRA;
using staffel::app::EngineBridge;
using staffel::app::FrmGraph;
namespace graph = staffel::graph;

namespace {

struct Ansicht {
    double xmin, xmax, ymin, ymax;
};

bool zeigt(const GraphEinstellungen& g, Ansicht a) {
    auto nah = [](double x, double y) { return std::abs(x - y) < 1e-6 * (1 + std::abs(y)); };
    return nah(g.Xmin, a.xmin) && nah(g.Xmax, a.xmax) && nah(g.Ymin, a.ymin) && nah(g.Ymax, a.ymax);
}

QByteArray text(const GraphEinstellungen& g) {
    return QByteArray::number(g.Xmin) + " " + QByteArray::number(g.Xmax) + " " +
           QByteArray::number(g.Ymin) + " " + QByteArray::number(g.Ymax);
}

QWidget* zeichnung(FrmGraph& f) {
    return f.findChild<QWidget*>("drawingArea");
}

// The pixel of logical point (x, y) on the drawing.
QPointF pixel(QWidget* z, double x, double y) {
    return {x * z->width() / graph::kBreite, (graph::kHoehe - y) * z->height() / graph::kHoehe};
}

void rad(QWidget* z, QPointF bei, int winkel, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWheelEvent e(bei, z->mapToGlobal(bei), QPoint(), QPoint(0, winkel), Qt::NoButton, mod,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(z, &e);
}

void maus(QWidget* z, QEvent::Type art, QPointF bei, Qt::MouseButtons gedrueckt) {
    const Qt::MouseButton knopf = art == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(art, bei, z->mapToGlobal(bei), knopf, gedrueckt, Qt::NoModifier);
    QApplication::sendEvent(z, &e);
}

void ziehen(QWidget* z, QPointF von, QPointF nach) {
    maus(z, QEvent::MouseButtonPress, von, Qt::LeftButton);
    maus(z, QEvent::MouseMove, (von + nach) / 2, Qt::LeftButton);
    maus(z, QEvent::MouseMove, nach, Qt::LeftButton);
    maus(z, QEvent::MouseButtonRelease, nach, Qt::NoButton);
}

// A fine dot is black, the grid and the cross red, the coarse dots blue: whether a fine dot
// lies within a few pixels of p, whose row they may leave gaps in.
bool dunkel(const QImage& bild, QPointF p) {
    for (int dx = -3; dx <= 3; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            const QColor farbe = bild.pixelColor(p.toPoint() + QPoint(dx, dy));
            if (farbe.red() < 100 && farbe.green() < 100 && farbe.blue() < 100) return true;
        }
    }
    return false;
}

QString ablesung(FrmGraph& f) {
    auto* label = f.findChild<QLabel*>("lblAblesung");
    return label->isVisible() ? label->text() : QString();
}

}  // namespace

class TestGraphErkundung : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::Sitzung> s_;

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::Sitzung>();
        s_->modaleSelbstBeantworten();
    }
    void cleanup() { s_.reset(); }

    // Every way of changing the view, each a new pass over the new range written back to the
    // settings, and "Zurück" undoing them one after the other, back to where it began.
    void wheelDragKeysAndBack() {
        ModulRA m;
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g;
        FrmGraph fenster(bruecke, g, {}, {}, nullptr, [](float x) { return double{x}; });
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        QWidget* z = zeichnung(fenster);
        auto* zurueck = fenster.findChild<QAction*>("mnuZurueck");
        QVERIFY(!zurueck->isEnabled());

        const std::pair<std::function<void()>, Ansicht> schritte[] = {
            // At the pointer: the point under it stays; (5, 5) lies at logical (150.5, 72.5).
            {[&] { rad(z, pixel(z, 150.5, 72.5), 120); }, {-7, 9, -7, 9}},
            {[&] { rad(z, pixel(z, 150.5, 72.5), -120); }, {-10, 10, -10, 10}},
            {[&] { rad(z, pixel(z, 103, 50), 240, Qt::ControlModifier); }, {-6.4, 6.4, -10, 10}},
            {[&] { rad(z, pixel(z, 103, 50), 120, Qt::ShiftModifier); }, {-6.4, 6.4, -8, 8}},
            // A drag by the frame's half width to the left and its quarter height upwards.
            {[&] { ziehen(z, pixel(z, 150, 50), pixel(z, 55, 72.5)); }, {0, 12.8, -12, 4}},
            {[&] { QTest::keyClick(z, Qt::Key_Home); }, {-10, 10, -10, 10}},
            {[&] { QTest::keyClick(z, Qt::Key_Plus); }, {-8, 8, -8, 8}},
            {[&] { QTest::keyClick(z, Qt::Key_Minus); }, {-10, 10, -10, 10}},
            {[&] { QTest::keyClick(z, Qt::Key_Right); }, {-7.89, 12.11, -10, 10}},
            {[&] { QTest::keyClick(z, Qt::Key_Down); }, {-7.89, 12.11, -12.22, 7.78}},
        };
        std::vector<Ansicht> gesehen{{-10, 10, -10, 10}};
        for (const auto& [aendern, erwartet] : schritte) {
            aendern();
            QVERIFY2(zeigt(g, erwartet), text(g));
            QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
            gesehen.push_back(erwartet);
        }
        QVERIFY(zurueck->isEnabled());
        // Backspace, Alt+Left and the menu entry all step back.
        gesehen.pop_back();
        QTest::keyClick(z, Qt::Key_Backspace);
        QVERIFY2(zeigt(g, gesehen.back()), text(g));
        gesehen.pop_back();
        QTest::keyClick(z, Qt::Key_Left, Qt::AltModifier);
        QVERIFY2(zeigt(g, gesehen.back()), text(g));
        while (zurueck->isEnabled()) {
            gesehen.pop_back();
            zurueck->trigger();
            QVERIFY2(zeigt(g, gesehen.back()), text(g));
        }
        QCOMPARE(gesehen.size(), std::size_t{1});
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
    }

    // A view change while a pass runs shows the drawing so far moved into the new view at
    // once; the new pass, over the range now in the settings, then draws the same line, and
    // nothing the stopped pass still handed over lands in the new view.
    void previousDrawingMovedUntilReplaced() {
        ModulRA m;
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g{.DX = 200};
        auto gerade = [](float) { return 5.0; };
        std::atomic<bool> langsam = true;
        FrmGraph fenster(bruecke, g, {}, {}, nullptr, [&](float x) {
            if (langsam) std::this_thread::sleep_for(std::chrono::milliseconds(3));
            return gerade(x);
        });
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        // The coarse pass and the fine one past x = -6.
        QTRY_VERIFY_WITH_TIMEOUT(fenster.punkteZahl() > 61, 20000);
        QWidget* z = zeichnung(fenster);
        // The line y = 5 lies at logical y 72.5; zoomed at the centre to [-8, 8] at 78.125,
        // where logical x 20 shows x = -6.99.
        QTest::keyClick(z, Qt::Key_Plus);
        QVERIFY(fenster.rechnetNoch());
        const QImage sofort = z->grab().toImage();
        QVERIFY(dunkel(sofort, pixel(z, 20, 78.125)));
        QVERIFY(!dunkel(sofort, pixel(z, 20, 72.5)));
        langsam = false;
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        const QImage danach = z->grab().toImage();
        for (double x : {20.0, 40.0, 60.0, 150.0}) {
            QVERIFY(dunkel(danach, pixel(z, x, 78.125)));
            QVERIFY(!dunkel(danach, pixel(z, x, 72.5)));
        }
        int proDurchgang = 0;
        graph::Durchlauf(g, gerade, [&proDurchgang](const graph::Punkt&) { ++proDurchgang; });
        QCOMPARE(int(fenster.punkteZahl()), proDurchgang);
    }

    // The readout of m[6, 1][3, x], by the pointer and by the keyboard, in the value scale
    // (where x = 4 has no dot: the result lies beyond 10^308) and in the height scale.
    void readoutByPointerAndKeys() {
        ModulRA m;
        QCOMPARE(m.rechne({"6", "1", "3", "x"}).ausgang, staffel::RechenAusgang::Graph);
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g{.Xmin = 0, .Xmax = 8, .Ymin = 0, .Ymax = 8, .DX = 16};
        FrmGraph fenster(bruecke, g, "m[6 , 1][3 , x]", {});
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        QWidget* z = zeichnung(fenster);
        const double spalte4 = graph::kLinks + 4.0 / 8 * (graph::kRechts - graph::kLinks);
        const QString groesse = "Größe: 1.25801429062749E+3638334640024";

        maus(z, QEvent::MouseMove, pixel(z, spalte4 + 0.5, 30), Qt::NoButton);
        QCOMPARE(ablesung(fenster),
                 "x = 4\nErgebnis: nicht definiert\n" + groesse + "\nErgebnis ungültig");
        // x = 1 has its dot at y = 3.
        const double spalte1 = graph::kLinks + 1.0 / 8 * (graph::kRechts - graph::kLinks);
        maus(z, QEvent::MouseMove, pixel(z, spalte1, 5 + 3.0 / 8 * 90) + QPointF(2, -2),
             Qt::NoButton);
        QCOMPARE(ablesung(fenster), "x = 1\nErgebnis: 3\nErgebnis ist gültig");
        maus(z, QEvent::MouseMove, pixel(z, spalte1 + 18, 90), Qt::NoButton);
        QCOMPARE(ablesung(fenster), QString());

        fenster.setzeSkala(staffel::Skala::Hoehe);
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        // Its tower height, 3.041, is drawn.
        maus(z, QEvent::MouseMove, pixel(z, spalte4, 5 + 3.041 / 8 * 90), Qt::NoButton);
        QVERIFY2(ablesung(fenster).contains("\n" + groesse + "\n"), qPrintable(ablesung(fenster)));

        // From the first sample by x: 0 coarse, 0 fine, 0.5, 1 coarse … the 13th is 4 coarse.
        maus(z, QEvent::Leave, {}, Qt::NoButton);
        QCOMPARE(ablesung(fenster), QString());
        for (int i = 0; i < 13; ++i) QTest::keyClick(z, Qt::Key_Right, Qt::ControlModifier);
        QVERIFY(ablesung(fenster).startsWith("x = 4\n"));
        QVERIFY(z->accessibleDescription().contains(groesse));
        QTest::keyClick(z, Qt::Key_Left, Qt::ControlModifier);
        QTest::keyClick(z, Qt::Key_Left, Qt::ControlModifier);
        QVERIFY(z->accessibleDescription().startsWith("x = 3, Ergebnis: 7625597484987, "));
        QVERIFY(zeigt(g, {0, 8, 0, 8}));
    }
};

QTEST_MAIN(TestGraphErkundung)
#include "test_graph_erkundung.moc"
