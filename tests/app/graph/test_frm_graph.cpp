// The graph window, its settings window and the calculation thread of the windows; exploring
// the graph by wheel, drag, keys and "Zurück", the readout of a sample, and the view
// arithmetic beneath them.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QtTest>
#include <atomic>
#include <limits>
#include <thread>

#include "app/graph/frm_graph.h"
#include "app/graph/frm_werte.h"
#include "app/graph/graph_ablesung.h"
#include "app/graph/graph_ansicht.h"
#include "app/graph/graph_beschriftung.h"
#include "app/graph/graph_fortschritt.h"
#include "app/graph/graph_lage.h"
#include "app/graph/graph_launcher.h"
#include "app/graph/punkt_spalten.h"
#include "app/shared/window_design.h"
#include "app/support_fixture.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"

using staffel::Antwort;
using staffel::GraphEinstellungen;
using staffel::Int16;
using staffel::ModulRA;
using staffel::app::Bereich;
using staffel::app::EngineBridge;
using staffel::app::FrmGraph;
namespace app = staffel::app;
namespace graph = staffel::graph;

namespace {

// Undefined at the first sample, which the saved values then leave empty.
std::optional<double> quadrat(float x) {
    if (x == -10) return std::nullopt;
    return double{x} * double{x};
}

// The dots one drawing pass gives, as the engine's pass counts them.
Int16 punkteProDurchgang(const staffel::GraphEinstellungen& g, const graph::Auswertung& f) {
    int n = 0;
    graph::Durchlauf(g, f, [&n](const graph::Punkt&) { ++n; });
    return static_cast<Int16>(n);
}

QWidget* zeichnung(FrmGraph& f) {
    return f.findChild<QWidget*>("drawingArea");
}

// The pixel of logical point (x, y) on a drawing of that size.
QPointF pixel(QSizeF bild, double x, double y) {
    return {x * bild.width() / graph::kBreite, (graph::kHoehe - y) * bild.height() / graph::kHoehe};
}

QPointF pixel(QWidget* z, double x, double y) {
    return pixel(z->size(), x, y);
}

QColor farbeBei(const QImage& bild, double x, double y) {
    const QPointF p = pixel(bild.size(), x, y);
    return bild.pixelColor(static_cast<int>(p.x()), static_cast<int>(p.y()));
}

QImage gezeichnet(FrmGraph& fenster) {
    return zeichnung(fenster)->grab().toImage();
}

// The view the graph settings hold.
Bereich ansicht(const GraphEinstellungen& g) {
    return {g.Xmin, g.Xmax, g.Ymin, g.Ymax};
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

class TestFrmGraph : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::Sitzung> s_;

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::Sitzung>();
        s_->modaleSelbstBeantworten();
    }
    void cleanup() { s_.reset(); }

    // Drawn and counted per pass; a new size is a new pass: the same dots, counted again.
    // Printing is tried on every other choice of the menu entry. Saved as PNG and SVG as shown,
    // and as CSV with every sample.
    void parabolaDrawnCountedPrintedAndSaved() {
        ModulRA m;
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g;
        FrmGraph fenster(bruecke, g, "m[5 , 0][x , 2]", {}, nullptr, quadrat);
        QList<QImage> gedruckt;
        fenster.setzeDrucker(
            [&](const QImage& bild) { return gedruckt.append(bild), gedruckt.size() > 1; });
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        QCOMPARE(fenster.findChild<QProgressBar*>("prgFortschritt")->accessibleName(),
                 "Punkte 1 020 von 1 020");
        const Int16 proDurchgang = punkteProDurchgang(g, quadrat);
        QCOMPARE(fenster.punkteZahl(), proDurchgang);
        QCOMPARE(farbeBei(gezeichnet(fenster), 103, 30), QColor(255, 0, 0));  // the cross
        QCOMPARE(farbeBei(gezeichnet(fenster), 150, 30), QColor(Qt::white));
        auto* leinwand =
            QAccessible::queryAccessibleInterface(fenster.findChild<QWidget*>("drawingArea"));
        QCOMPARE(leinwand->role(), QAccessible::Canvas);
        QCOMPARE(leinwand->text(QAccessible::Name), "Graph von x -> m[5 , 0][x , 2]");
        fenster.resize(fenster.width() + 40, fenster.height() + 30);
        QTRY_COMPARE(fenster.punkteZahl(), 2 * proDurchgang);

        auto* druck = fenster.findChild<QAction*>("mnuGraphdruck");
        for (int i = 0; i < 3; ++i) druck->trigger();
        QCOMPARE(gedruckt.size(), 2);
        QCOMPARE(farbeBei(gedruckt[1], 103, 30), QColor(255, 0, 0));

        const QImage gezeigt = gezeichnet(fenster);
        QTemporaryDir ordner;
        QVERIFY(fenster.bildSpeichern(ordner.filePath("g.png")));
        QVERIFY(fenster.bildSpeichern(ordner.filePath("g.svg")));
        QVERIFY(fenster.werteSpeichern(ordner.filePath("w.csv")));
        QCOMPARE(QImage(ordner.filePath("g.png")).convertToFormat(QImage::Format_RGB32),
                 gezeigt.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(QSvgRenderer(ordner.filePath("g.svg")).viewBox().size(),
                 gezeigt.deviceIndependentSize().toSize());
        QFile csv(ordner.filePath("w.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QStringList werte = QString::fromUtf8(csv.readAll()).split('\n', Qt::SkipEmptyParts);
        // The header, the 20 whole numbers of the coarse pass, 1000 fine steps of 0.02, by x.
        QCOMPARE(werte.size(), 1021);
        QCOMPARE(werte.mid(0, 4),
                 (QStringList{"x;y;Durchgang;Größe;Wert", "-10;;grob;;", "-10;;fein;;",
                              "-9.98;99.60039086303732;fein;;99.60039086303732"}));
        QCOMPARE(s_->meldungsTexte(), QStringList{"Die Form kann nicht gedruckt werden."});
        fenster.close();
        QCOMPARE(g.PunkteZahl, 2 * proDurchgang);
    }

    // "Anhalten" (the menu entry or the button; Esc: test_fenster_tasten) halts the sampling,
    // keeps what is drawn and the bar says how far it came.
    void anhaltenKeepsTheDrawing() {
        for (const auto& anhalten : std::initializer_list<std::function<void(FrmGraph&)>>{
                 [](FrmGraph& f) { f.findChild<QAction*>("mnuAnhalten")->trigger(); },
                 [](FrmGraph& f) { f.findChild<QPushButton*>("cmdAnhalten")->click(); }}) {
            ModulRA m;
            std::atomic<int> proben = 0;
            EngineBridge bruecke(m, nullptr);
            GraphEinstellungen g;
            FrmGraph fenster(bruecke, g, {}, {}, nullptr,
                             [&proben](float) -> std::optional<double> {
                                 std::this_thread::sleep_for(std::chrono::milliseconds(5));
                                 return ++proben, 1.0;
                             });
            fenster.show();
            QTRY_VERIFY_WITH_TIMEOUT(fenster.punkteZahl() > 10, 20000);
            anhalten(fenster);
            QTRY_VERIFY(!fenster.rechnetNoch());
            QVERIFY(fenster.isVisible());
            const int bisher = proben;
            QTest::qWait(50);
            QCOMPARE(int(proben), bisher);
            const auto* balken = fenster.findChild<QProgressBar*>("prgFortschritt");
            const QString bisHier = staffel::app::tausenderText(balken->value());
            QVERIFY(balken->accessibleName().startsWith("Angehalten bei x = "));
            QVERIFY(balken->accessibleName().endsWith(" · Punkte " + bisHier + " von 1 020"));
            QVERIFY(balken->value() >= fenster.punkteZahl());
            QVERIFY(!m.haltAngefordert());
        }
    }

    // A sample that reaches its next halt point only after a long while does not hold the
    // window: the stop answers at once, the pass ends behind it, and every dot it had
    // computed stays.
    void stopAnswersAtOnceDuringASlowSample() {
        ModulRA m;
        std::atomic<int> proben = 0;
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g;
        FrmGraph fenster(bruecke, g, {}, {}, nullptr, [&proben](float) -> std::optional<double> {
            if (++proben == 30) std::this_thread::sleep_for(std::chrono::milliseconds(1500));
            return 1.0;
        });
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(proben >= 30, 20000);
        QElapsedTimer uhr;
        uhr.start();
        fenster.findChild<QPushButton*>("cmdAnhalten")->click();
        QVERIFY(uhr.elapsed() < 200);
        QVERIFY(fenster.rechnetNoch());
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        // The sample the halt cut short has no dot of its own.
        QCOMPARE(fenster.punkteZahl(), Int16{29});
        QVERIFY(!m.haltAngefordert());
    }

    // The saved values' rows: the first three columns as before, then the size and the value
    // in the scale, whose name heads its column.
    void valueRowsInEveryScale() {
        using graph::Durchgang;
        using staffel::Skala;
        const auto groesse = [](float x) -> std::optional<std::string> {
            if (x == 4) return "1.25E+3638334640024";
            return std::nullopt;
        };
        const double kInf = std::numeric_limits<double>::infinity();
        const std::tuple<Skala, graph::Probe, const char*> faelle[] = {
            {Skala::Wert, {-0.5f, -0.25, Durchgang::Fein, -0.25}, "Wert\n-0.5;-0.25;fein;;-0.25"},
            // A defined value names no size, though one is known for its x.
            {Skala::Wert, {4, 7.5, Durchgang::Fein, 7.5}, "Wert\n4;7.5;fein;;7.5"},
            {Skala::Wert, {4, {}, Durchgang::Fein, {}}, "Wert\n4;;fein;1.25E+3638334640024;"},
            {Skala::Log10, {2, 100, Durchgang::Grob, 2}, "log₁₀|Wert|\n2;100;grob;;2"},
            {Skala::Log10, {4, {}, Durchgang::Fein, {}, true}, "log₁₀|Wert|\n4;;fein;;"},
            {Skala::Log10, {5, {}, Durchgang::Fein, kInf}, "log₁₀|Wert|\n5;;fein;;inf"},
            {Skala::Log10, {0, 0, Durchgang::Fein, {}}, "log₁₀|Wert|\n0;0;fein;;"},
            {Skala::Hoehe,
             {4, {}, Durchgang::Fein, 3.041},
             "Höhe\n4;;fein;1.25E+3638334640024;3.041"},
        };
        for (const auto& [skala, probe, zeilen] : faelle) {
            QCOMPARE(staffel::app::graphWerteText({probe}, skala, groesse),
                     "x;y;Durchgang;Größe;" + QByteArray(zeilen) + '\n');
        }
    }

    // The height scale follows m[6, 0][10, x] on past 10^308, where the value scale leaves the
    // frame near x = 1; the scale chosen is kept for the next graph and marked in the frame's
    // corner.
    void scalesRedrawAndAreKept() {
        ModulRA m;
        QCOMPARE(m.rechne({"6", "0", "10", "x"}).ausgang, staffel::RechenAusgang::Graph);
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g{.Xmin = 0, .Xmax = 6, .DX = 600};
        FrmGraph fenster(bruecke, g, "m[6 , 0][10 , x]", {});
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        const int imWert = fenster.punkteZahl();
        fenster.findChild<QAction*>("mnuSkalaHoehe")->trigger();
        QVERIFY(fenster.findChild<QAction*>("mnuSkalaHoehe")->isChecked());
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        QCOMPARE(g.skala, staffel::Skala::Hoehe);
        const int inHoehe = fenster.punkteZahl() - imWert;
        QVERIFY(imWert < 200 && inHoehe > 600);
        const auto zeilen = graph::Kopfzeilen(g, {});
        QCOMPARE(zeilen.back().muster, staffel::TextId::GraphSkalaHoehe);
    }

    // Samples that find no value (here the inverse's, left of its domain) do not rename the
    // graph after whatever operation their solver tried.
    void undefinedSamplesKeepTheName() {
        ModulRA m;
        const Antwort antwort = m.rechne({"1/6", "00", "x", "2"});
        EngineBridge bruecke(m, nullptr);
        GraphEinstellungen g{.Xmin = -10, .Xmax = -7, .DX = 30};
        FrmGraph fenster(bruecke, g, "m[1/6 , 00][x , 2]", antwort.nameId);
        fenster.show();
        QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
        QCOMPARE(fenster.punkteZahl(), Int16{0});
        QVERIFY(fenster.name() == antwort.nameId);
    }

    // A corner number too wide for its margin loses digits until it fits; words never do.
    void cornerNumbersFitTheirMargin() {
        const QFontMetricsF metrik(staffel::app::designFont(8.25, false));
        const double raum = metrik.horizontalAdvance("-1.5E+08");
        const auto zahl = [](double w) { return graph::Beschriftung{0, 95, {}, {}, {}, {}, w, 8}; };
        const std::tuple<graph::Beschriftung, QString, QString> faelle[] = {
            {zahl(10), " 10", "10"},
            {zahl(-123456789.0), "-123456789", "-1.2E+08"},
            {zahl(1e300), " 1E+300", "1E+300"},
            {graph::Beschriftung{0, 95, {}, {}, {}, {}, {}, 0}, "Höhe mit vielen Wörtern",
             "Höhe mit vielen Wörtern"},
        };
        for (const auto& [b, text, erwartet] : faelle) {
            QCOMPARE(staffel::app::passendeZahl(b, text, metrik, raum).trimmed(), erwartet);
        }
    }

    // What a stopped run had handed to the UI thread (a message box, say) never shows, not even
    // once the next run has started.
    void stoppedRunsTasksNeverRun() {
        ModulRA m;
        EngineBridge bruecke(m, nullptr);
        QStringList gelaufen;
        std::atomic<bool> gepostet = false;
        QVERIFY(bruecke.start(
            [&] {
                bruecke.postToUi([&] { gelaufen << "alt"; });
                gepostet = true;
                while (!m.haltAngefordert()) std::this_thread::yield();
            },
            [&] { gelaufen << "alt fertig"; }));
        while (!gepostet) std::this_thread::yield();
        bruecke.stopAndWait();
        QVERIFY(bruecke.start([&] { bruecke.postToUi([&] { gelaufen << "neu"; }); },
                              [&] { gelaufen << "neu fertig"; }));
        QTRY_VERIFY(!bruecke.busy());
        QCOMPARE(gelaufen, (QStringList{"neu", "neu fertig"}));
    }

    // Enter draws from a field or an option (the buttons and Esc: test_fenster_tasten; the
    // controls' names: test_alle_fenster).
    void settingsDrawOnEnter() {
        for (const auto& [name, taste] :
             {std::pair{"txtOXGrenz", Qt::Key_Return}, std::pair{"optGanz", Qt::Key_Enter}}) {
            staffel::GraphEinstellungen g;
            staffel::app::FrmWerte fenster(g);
            fenster.show();
            QVERIFY(QTest::qWaitForWindowActive(&fenster));
            fenster.findChild<QWidget*>(name)->setFocus();
            QTest::keyClick(fenster.findChild<QWidget*>(name), taste);
            QVERIFY2(!fenster.isVisible() && fenster.result() == QDialog::Accepted, name);
        }
    }

    // The whole graph case: settings window, then the graph window, each modal; the settings
    // count only once "Zeichnen" took them.
    void settingsThenGraph() {
        for (const bool zeichnen : {true, false}) {
            ModulRA m;
            const Antwort antwort = m.rechne({"6", "1", "x", "0"});  // 1 for every positive x
            GraphEinstellungen g;
            g.Xmin = 0.5;
            g.PunkteZahl = 7;
            QStringList gesehen;
            QTimer fahrer;
            connect(&fahrer, &QTimer::timeout, [&] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal == nullptr) return;
                if (!gesehen.contains(modal->objectName())) gesehen << modal->objectName();
                if (modal->objectName() == "frmWerte") {
                    modal->findChild<QLineEdit*>("txtOXGrenz")->setText("3");
                    modal->findChild<QPushButton*>(zeichnen ? "cmdWeEnd" : "cmdWeAbbr")->click();
                } else if (auto* g = qobject_cast<FrmGraph*>(modal); g && !g->rechnetNoch()) {
                    g->findChild<QAction*>("mnuGraphEnd")->trigger();
                }
            });
            fahrer.start(20);
            EngineBridge bruecke(m, nullptr);
            staffel::app::zeigeGraph(nullptr, bruecke, g, antwort);
            QCOMPARE(gesehen, (QStringList{"frmWerte", "frmGraph"}));
            QCOMPARE(g.Xmax, zeichnen ? 3.0 : 10.0);
            const Int16 proDurchgang = punkteProDurchgang(g, [](float) { return 1.0; });
            QCOMPARE(g.PunkteZahl, zeichnen ? proDurchgang : 7 + proDurchgang);
        }
    }

    // Beside the main window (frame at 100, 100, 740 x 500 unless said otherwise, input fields
    // 10, 30 inside it, 480 x 140), the graph window of 680 x 600 on the screen.
    void placedBesideTheMainWindow_data() {
        QTest::addColumn<QRect>("bildschirm");
        QTest::addColumn<QRect>("haupt");
        QTest::addColumn<QRect>("eingaben");
        QTest::addColumn<QPoint>("lage");
        const QRect hd(0, 0, 1920, 1080);
        const QRect haupt(100, 100, 740, 500);
        const QRect eingaben(110, 130, 480, 140);
        QTest::newRow("room on the right") << hd << haupt << eingaben << QPoint(840, 100);
        QTest::newRow("room only on the left")
            << hd << haupt.translated(1000, 0) << eingaben.translated(1000, 0) << QPoint(420, 100);
        QTest::newRow("room on both sides, more on the right")
            << QRect(0, 0, 2560, 1080) << haupt.translated(800, 0) << eingaben.translated(800, 0)
            << QPoint(1640, 100);
        QTest::newRow("room below only")
            << QRect(0, 0, 1000, 1400) << haupt << eingaben << QPoint(100, 600);
        QTest::newRow("no room: below, over the buttons only")
            << QRect(0, 0, 1280, 1024) << haupt << eingaben << QPoint(100, 424);
        QTest::newRow("no room: the inputs covered least, though more of the window")
            << QRect(0, 0, 1000, 700) << QRect(0, 0, 740, 500) << QRect(300, 30, 430, 140)
            << QPoint(0, 100);
        QTest::newRow("second screen") << QRect(1920, 0, 1920, 1080) << haupt.translated(1900, 0)
                                       << eingaben.translated(1900, 0) << QPoint(2740, 100);
        QTest::newRow("larger than the screen: top left in sight")
            << QRect(0, 0, 640, 480) << QRect(0, 0, 600, 400) << QRect(8, 30, 480, 140)
            << QPoint(0, 0);
    }
    void placedBesideTheMainWindow() {
        QFETCH(QRect, bildschirm);
        QFETCH(QRect, haupt);
        QFETCH(QRect, eingaben);
        QFETCH(QPoint, lage);
        QCOMPARE(staffel::app::grafLage(haupt, eingaben, QSize(680, 600), bildschirm), lage);
    }

    // Opened by the calculate command, the graph window lies wholly on the screen (the
    // designed place would leave its bottom off the offscreen screen).
    void opensOnTheScreen() {
        s_->eingaben("5", "0", "x", "2");
        QRect graph;
        QTimer fahrer;
        connect(&fahrer, &QTimer::timeout, [&graph] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal->objectName() == "frmWerte") modal->close();
            if (modal != nullptr && modal->objectName() == "frmGraph") {
                graph = modal->frameGeometry();
                modal->close();
            }
        });
        fahrer.start(20);
        QVERIFY(s_->rechne());
        QVERIFY(!graph.isEmpty());
        QVERIFY(s_->fenster().screen()->availableGeometry().contains(graph));
    }

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

        const std::pair<std::function<void()>, Bereich> schritte[] = {
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
        std::vector<Bereich> gesehen{{-10, 10, -10, 10}};
        for (const auto& [aendern, erwartet] : schritte) {
            aendern();
            QVERIFY2(nah(ansicht(g), erwartet), text(ansicht(g)));
            QTRY_VERIFY_WITH_TIMEOUT(!fenster.rechnetNoch(), 20000);
            gesehen.push_back(erwartet);
        }
        QVERIFY(zurueck->isEnabled());
        // Backspace, Alt+Left and the menu entry all step back.
        gesehen.pop_back();
        QTest::keyClick(z, Qt::Key_Backspace);
        QVERIFY2(nah(ansicht(g), gesehen.back()), text(ansicht(g)));
        gesehen.pop_back();
        QTest::keyClick(z, Qt::Key_Left, Qt::AltModifier);
        QVERIFY2(nah(ansicht(g), gesehen.back()), text(ansicht(g)));
        while (zurueck->isEnabled()) {
            gesehen.pop_back();
            zurueck->trigger();
            QVERIFY2(nah(ansicht(g), gesehen.back()), text(ansicht(g)));
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
        QVERIFY(nah(ansicht(g), {0, 8, 0, 8}));
    }

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

QTEST_MAIN(TestFrmGraph)
#include "test_frm_graph.moc"
