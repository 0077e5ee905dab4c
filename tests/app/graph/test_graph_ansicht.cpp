// The view arithmetic of the graph: rounding, carrying the dots of one view into the next, and
// which sample the readout finds and what it says. Zooming and moving are pinned by the views
// the graph window shows after wheel, drag and keys.
#include <QtTest>

#include "app/graph/graph_ablesung.h"
#include "app/graph/graph_ansicht.h"
#include "app/graph/punkt_spalten.h"

using staffel::app::Bereich;
namespace app = staffel::app;
namespace graph = staffel::graph;

namespace {

// Compares and names the bounds on failure.
#define BEREICH_NAH(a, b) QVERIFY2(nah(a, b), text(a) + " in row " + QByteArray::number(zeile))

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
    // Bounds reached by the pointer keep about four digits of the range's width (as the views
    // of the graph window after wheel, drag and keys show), and no sign on a rounded 0.
    void gerundet() {
        const struct {
            Bereich genau, erwartet;
        } faelle[] = {
            {{1.23456789, 1.23466789, -1e-5, 2e-5}, {1.2345679, 1.2346679, -1e-5, 2e-5}},
            {{-0.001, 10, -10, 10}, {0, 10, -10, 10}},
        };
        for (int zeile = 0; const auto& f : faelle) {
            const Bereich neu = app::gerundet(f.genau);
            BEREICH_NAH(neu, f.erwartet);
            QVERIFY(neu.xmin != 0 || !std::signbit(neu.xmin));
            ++zeile;
        }
    }

    // Dots become one stroke per run of occupied pixels in a column; a gap stays a gap.
    void spaltenStriche() {
        const QPointF lagen[] = {{1.2, 3.7}, {1.9, 4.1}, {1.5, 8}, {5, 5},
                                 {5.5, 5.9}, {-1, 2},    {3, 9}};
        const std::vector<QLineF> erwartet{
            {1.5, 3.5, 1.5, 4.5}, {1.5, 8.5, 1.5, 8.5}, {5.5, 5.5, 5.5, 5.5}};
        QCOMPARE(app::spaltenStriche(lagen, QSize(8, 9)), erwartet);
    }

    void zeichenbar() {
        QVERIFY(app::zeichenbar(kStandard));
        QVERIFY(app::zeichenbar({10, -10, 10, -10}));
        for (const Bereich& b : std::initializer_list<Bereich>{
                 {1, 1, -10, 10},
                 {1, 1 + 1e-12, -10, 10},  // no width in single precision
                 {-10, 10, 3, 3},
                 {-10, 1e39, -10, 10},
                 {-10, 10, -10, 1e39},
                 {-10, 10, -qInf(), 10}}) {
            QVERIFY2(!app::zeichenbar(b), text(b));
        }
    }

    // The dots of one view land where the other view puts their x and y; those that leave the
    // frame are gone.
    void umbilden() {
        const graph::Punkt mitte{103, 50, graph::Durchgang::Fein};
        const graph::Punkt rechtsOben{150.5, 72.5, graph::Durchgang::Grob};  // (5, 5)
        const auto neu = app::umbilden({mitte, rechtsOben}, kStandard, Bereich{0, 10, 0, 10});
        QCOMPARE(neu, (std::vector<graph::Punkt>{{103, 50, graph::Durchgang::Grob}}));
        const auto weiter = app::umbilden({mitte}, kStandard, Bereich{-20, 20, -40, 40});
        QCOMPARE(weiter, std::vector<graph::Punkt>{mitte});
        QVERIFY(app::umbilden({mitte}, kStandard, Bereich{1, 10, -10, 10}).empty());
    }

    // A dot near the pointer wins over a closer column without a dot; a gap is read by its
    // column; a whole number of the coarse pass over a fine sample a pixel nearer; nothing
    // beyond the radius.
    void naechsteProbe() {
        // Dots of (0, 0) at pixel (103, 50) and (1, 5) at (112.5, 27.5); x = 0.5 undefined at
        // column 107.75; x = 2 at y 20 above the frame, column 122; undefined at x = 3 (coarse,
        // column 131.5) and 3.1 (132.45).
        const std::vector<graph::Probe> proben{
            {0, 0.0, graph::Durchgang::Fein, 0.0},
            {0.5, std::nullopt, graph::Durchgang::Fein, std::nullopt},
            {1, 5.0, graph::Durchgang::Fein, 5.0},
            {2, 20.0, graph::Durchgang::Fein, 20.0},
            {3, std::nullopt, graph::Durchgang::Grob, std::nullopt},
            {3.1f, std::nullopt, graph::Durchgang::Fein, std::nullopt},
        };
        const std::pair<QPointF, int> faelle[] = {
            {{103, 50}, 0}, {{106, 48}, 0},  {{108, 80}, 1},   {{115, 30}, 2},
            {{121, 10}, 3}, {{170, 50}, -1}, {{132.5, 50}, 4}, {{140, 50}, 5},
        };
        for (const auto& [zeiger, erwartet] : faelle) {
            const auto gefunden = app::naechsteProbe(proben, kStandard, kBild, zeiger);
            QCOMPARE(gefunden ? int(*gefunden) : -1, erwartet);
        }
    }

    // A result beyond 10^308 whose size is not known says so; the window test reads the rest.
    void ablesungOhneGroesse() {
        graph::Probe ueber{4, std::nullopt, graph::Durchgang::Grob, std::nullopt};
        ueber.ohneGroesse = true;
        QCOMPARE(app::ablesungZeilen(ueber, std::nullopt),
                 (QStringList{"x = 4", "Ergebnis: nicht definiert", "Größe nicht bekannt",
                              "Ergebnis ungültig"}));
    }
};

QTEST_MAIN(TestGraphAnsicht)
#include "test_graph_ansicht.moc"
