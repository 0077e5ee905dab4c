// The view arithmetic of the graph: zooming at a point, moving by pixels, carrying the dots of
// one view into the next, and which sample the readout finds.
#include <QtTest>

#include "app/graph/graph_ablesung.h"
#include "app/graph/graph_ansicht.h"

using staffel::app::Bereich;
namespace app = staffel::app;
namespace graph = staffel::graph;

Q_DECLARE_METATYPE(Bereich)

namespace {

bool nah(const Bereich& a, const Bereich& b) {
    auto gleich = [](double x, double y) { return std::abs(x - y) <= 1e-9 * (1 + std::abs(y)); };
    return gleich(a.xmin, b.xmin) && gleich(a.xmax, b.xmax) && gleich(a.ymin, b.ymin) &&
           gleich(a.ymax, b.ymax);
}

QByteArray text(const Bereich& b) {
    return QByteArray::number(b.xmin) + " " + QByteArray::number(b.xmax) + " " +
           QByteArray::number(b.ymin) + " " + QByteArray::number(b.ymax);
}

const Bereich kStandard{-10, 10, -10, 10};
// A drawing of 200 x 100 pixels: one pixel per logical unit, the frame 190 x 90 pixels.
const QSizeF kBild(200, 100);

}  // namespace

class TestGraphAnsicht : public QObject {
    Q_OBJECT

  private slots:
    void zoomen_data() {
        QTest::addColumn<Bereich>("vorher");
        QTest::addColumn<double>("fx");
        QTest::addColumn<double>("fy");
        QTest::addColumn<double>("faktorX");
        QTest::addColumn<double>("faktorY");
        QTest::addColumn<Bereich>("erwartet");
        QTest::newRow("centre, half")
            << kStandard << 0.5 << 0.5 << 0.5 << 0.5 << Bereich{-5, 5, -5, 5};
        QTest::newRow("corner stays")
            << kStandard << 0.0 << 1.0 << 0.5 << 0.5 << Bereich{-10, 0, 0, 10};
        QTest::newRow("x alone") << kStandard << 0.75 << 0.5 << 2.0 << 1.0
                                 << Bereich{-25, 15, -10, 10};
        QTest::newRow("y alone, off centre")
            << Bereich{0, 4, 100, 200} << 0.5 << 0.1 << 1.0 << 0.5 << Bereich{0, 4, 105, 155};
        QTest::newRow("reversed x")
            << Bereich{10, -10, -10, 10} << 0.25 << 0.5 << 0.5 << 0.5 << Bereich{7.5, -2.5, -5, 5};
    }
    void zoomen() {
        QFETCH(Bereich, vorher);
        QFETCH(double, fx);
        QFETCH(double, fy);
        QFETCH(double, faktorX);
        QFETCH(double, faktorY);
        QFETCH(Bereich, erwartet);
        const Bereich neu = app::zoomen(vorher, fx, fy, faktorX, faktorY);
        QVERIFY2(nah(neu, erwartet), text(neu));
    }

    // The picture follows the pointer: a drag across the whole frame moves the view by its
    // whole width or height.
    void verschieben_data() {
        QTest::addColumn<double>("dx");
        QTest::addColumn<double>("dy");
        QTest::addColumn<Bereich>("erwartet");
        QTest::newRow("none") << 0.0 << 0.0 << kStandard;
        QTest::newRow("right by the frame") << 190.0 << 0.0 << Bereich{-30, -10, -10, 10};
        QTest::newRow("left by half") << -95.0 << 0.0 << Bereich{0, 20, -10, 10};
        QTest::newRow("down by the frame") << 0.0 << 90.0 << Bereich{-10, 10, 10, 30};
        QTest::newRow("up a little") << 0.0 << -9.0 << Bereich{-10, 10, -12, 8};
    }
    void verschieben() {
        QFETCH(double, dx);
        QFETCH(double, dy);
        QFETCH(Bereich, erwartet);
        const Bereich neu = app::verschieben(kStandard, dx, dy, kBild.width(), kBild.height());
        QVERIFY2(nah(neu, erwartet), text(neu));
    }

    // Bounds reached by the pointer keep about four digits of the range's width.
    void gerundet_data() {
        QTest::addColumn<Bereich>("genau");
        QTest::addColumn<Bereich>("erwartet");
        QTest::newRow("already short") << kStandard << kStandard;
        QTest::newRow("hundredths of a width of 16")
            << Bereich{-7.123456, 8.876544, 0.0004, 7.2170138} << Bereich{-7.12, 8.88, 0, 7.217};
        QTest::newRow("a tiny width") << Bereich{1.23456789, 1.23466789, -1e-5, 2e-5}
                                      << Bereich{1.2345679, 1.2346679, -1e-5, 2e-5};
        QTest::newRow("a huge width, reversed")
            << Bereich{3.3e20, -1.2345e22, -5, 5} << Bereich{3.3e20, -1.235e22, -5, 5};
        QTest::newRow("no sign for a rounded 0")
            << Bereich{-0.001, 10, -10, 10} << Bereich{0, 10, -10, 10};
    }
    void gerundet() {
        QFETCH(Bereich, genau);
        QFETCH(Bereich, erwartet);
        const Bereich neu = app::gerundet(genau);
        QVERIFY2(nah(neu, erwartet), text(neu));
        QVERIFY(neu.xmin != 0 || !std::signbit(neu.xmin));
    }

    // Pixels as parts of the frame, at the frame's edges and middle.
    void rahmenAnteile() {
        QCOMPARE(app::rahmenAnteilX(8, 200), 0.0);
        QCOMPARE(app::rahmenAnteilX(198, 200), 1.0);
        QCOMPARE(app::rahmenAnteilX(206, 400), 0.5);
        QCOMPARE(app::rahmenAnteilY(95, 100), 0.0);
        QCOMPARE(app::rahmenAnteilY(5, 100), 1.0);
        QCOMPARE(app::rahmenAnteilY(100, 200), 0.5);
    }

    void zeichenbar_data() {
        QTest::addColumn<Bereich>("bereich");
        QTest::addColumn<bool>("erwartet");
        QTest::newRow("settings") << kStandard << true;
        QTest::newRow("reversed") << Bereich{10, -10, 10, -10} << true;
        QTest::newRow("no width") << Bereich{1, 1, -10, 10} << false;
        QTest::newRow("no width in single precision") << Bereich{1, 1 + 1e-12, -10, 10} << false;
        QTest::newRow("no height") << Bereich{-10, 10, 3, 3} << false;
        QTest::newRow("beyond single precision") << Bereich{-10, 1e39, -10, 10} << false;
        QTest::newRow("y beyond single precision") << Bereich{-10, 10, -10, 1e39} << false;
        QTest::newRow("not finite") << Bereich{-10, 10, -qInf(), 10} << false;
    }
    void zeichenbar() {
        QFETCH(Bereich, bereich);
        QFETCH(bool, erwartet);
        QCOMPARE(app::zeichenbar(bereich), erwartet);
    }

    // The dots of one view land where the other view puts their x and y; those that leave the
    // frame are gone.
    void umbilden() {
        const graph::Punkt mitte{103, 50, graph::Durchgang::Fein};
        const graph::Punkt rechtsOben{150.5, 72.5, graph::Durchgang::Grob};  // (5, 5)
        const std::vector<graph::Punkt> neu =
            app::umbilden({mitte, rechtsOben}, kStandard, Bereich{0, 10, 0, 10});
        QCOMPARE(neu.size(), std::size_t{1});
        QCOMPARE(neu[0].x, float(103));
        QCOMPARE(neu[0].y, float(50));
        QCOMPARE(neu[0].durchgang, graph::Durchgang::Grob);
        const auto weiter = app::umbilden({mitte}, kStandard, Bereich{-20, 20, -40, 40});
        QCOMPARE(weiter.size(), std::size_t{1});
        QCOMPARE(weiter[0].x, float(103));
        QCOMPARE(weiter[0].y, float(50));
        QVERIFY(app::umbilden({mitte}, kStandard, Bereich{1, 10, -10, 10}).empty());
    }

    // A dot near the pointer wins over a closer column without a dot; a gap is read by its
    // column; a whole number of the coarse pass over a fine sample a pixel nearer; nothing
    // beyond the radius.
    void naechsteProbe_data() {
        QTest::addColumn<QPointF>("zeiger");
        QTest::addColumn<int>("erwartet");
        // Dots of (0, 0) at pixel (103, 50) and (1, 5) at (112.5, 27.5); x = 0.5 undefined at
        // column 107.75; x = 2 at y 20 lies above the frame, column 122.
        QTest::newRow("on the dot") << QPointF(103, 50) << 0;
        QTest::newRow("near the dot, nearer the gap") << QPointF(106, 48) << 0;
        QTest::newRow("the gap's column") << QPointF(108, 80) << 1;
        QTest::newRow("the second dot") << QPointF(115, 30) << 2;
        QTest::newRow("above the frame") << QPointF(121, 10) << 3;
        QTest::newRow("too far") << QPointF(170, 50) << -1;
        QTest::newRow("a whole number before a nearer fine sample") << QPointF(132.5, 50) << 4;
        QTest::newRow("the whole number out of reach") << QPointF(140, 50) << 5;
    }
    void naechsteProbe() {
        QFETCH(QPointF, zeiger);
        QFETCH(int, erwartet);
        const std::vector<graph::Probe> proben{
            {0, 0.0, graph::Durchgang::Fein, 0.0},
            {0.5, std::nullopt, graph::Durchgang::Fein, std::nullopt},
            {1, 5.0, graph::Durchgang::Fein, 5.0},
            {2, 20.0, graph::Durchgang::Fein, 20.0},
            // Undefined at columns 131.5 and 132.45.
            {3, std::nullopt, graph::Durchgang::Grob, std::nullopt},
            {3.1, std::nullopt, graph::Durchgang::Fein, std::nullopt},
        };
        const auto gefunden = app::naechsteProbe(proben, kStandard, kBild, zeiger);
        QCOMPARE(gefunden ? int(*gefunden) : -1, erwartet);
    }

    // The readout's lines: the result as the main window writes it, a size where one is known
    // or that it is not.
    void ablesungZeilen() {
        using L = QStringList;
        const graph::Probe halb{-2.5f, 0.5, graph::Durchgang::Fein, 0.5};
        QCOMPARE(app::ablesungZeilen(halb, std::nullopt),
                 (L{"x = -2.5", "Ergebnis: 0.5", "Ergebnis ist gültig"}));
        graph::Probe ueber{4, std::nullopt, graph::Durchgang::Grob, std::nullopt};
        QCOMPARE(app::ablesungZeilen(ueber, "1E+400"),
                 (L{"x = 4", "Ergebnis: nicht definiert", "Größe: 1E+400", "Ergebnis ungültig"}));
        ueber.ohneGroesse = true;
        QCOMPARE(
            app::ablesungZeilen(ueber, std::nullopt),
            (L{"x = 4", "Ergebnis: nicht definiert", "Größe nicht bekannt", "Ergebnis ungültig"}));
    }

    // The keyboard cursor walks by x, a coarse and a fine sample of the same x in the order
    // they were taken, and stops at either end.
    void naechsteInX() {
        const std::vector<graph::Probe> proben{
            {-1, 1.0, graph::Durchgang::Grob, {}}, {0, 0.0, graph::Durchgang::Grob, {}},
            {-1, 1.0, graph::Durchgang::Fein, {}}, {-0.5, 0.25, graph::Durchgang::Fein, {}},
            {0, 0.0, graph::Durchgang::Fein, {}},
        };
        std::vector<int> vorwaerts;
        for (auto i = app::naechsteInX(proben, std::nullopt, 1); i;
             i = app::naechsteInX(proben, i, 1)) {
            vorwaerts.push_back(int(*i));
        }
        QCOMPARE(vorwaerts, (std::vector<int>{0, 2, 3, 1, 4}));
        QCOMPARE(app::naechsteInX(proben, std::nullopt, -1), std::optional<std::size_t>(4));
        QCOMPARE(app::naechsteInX(proben, 3, -1), std::optional<std::size_t>(2));
        QCOMPARE(app::naechsteInX(proben, 0, -1), std::nullopt);
    }
};

QTEST_MAIN(TestGraphAnsicht)
#include "test_graph_ansicht.moc"
