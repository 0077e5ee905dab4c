// The keyboard in every window besides the main one: Tab walks the controls as they are laid
// out, a ring marks the focus on every designed background, Return presses the focused button,
// and Escape or Ctrl+W close the window.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QItemSelectionModel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "app/graph/frm_graph.h"
#include "app/graph/frm_werte.h"
#include "app/secondary/frm_aufloes.h"
#include "app/secondary/frm_autor.h"
#include "app/secondary/frm_ende.h"
#include "app/secondary/secondary_windows.h"
#include "app/shared/engine_bridge.h"
#include "app/shared/fokus_rahmen.h"
#include "app/shared/window_design.h"
#include "app/support_fixture.h"
#include "app/tape/frm_protokoll.h"
#include "app/tape/protokoll_model.h"

using namespace staffel::app;

namespace {

// What the windows need around them: a main window with one tape row, the graph's engine.
struct Umgebung {
    staffel::apptest::Sitzung sitzung;
    staffel::ModulRA modul;
    EngineBridge bruecke{modul, nullptr};
    staffel::GraphEinstellungen einstellungen;
    std::unique_ptr<QWidget> eigenes;  // a window the test made itself
};

QWidget* hilfe(void (*zeige)(QWidget*)) {
    const QWidgetList vorher = QApplication::topLevelWidgets();
    zeige(nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!vorher.contains(w) && w->isVisible()) return w;
    }
    return nullptr;
}

QWidget* eigenes(Umgebung& u, QWidget* fenster) {
    u.eigenes.reset(fenster);
    fenster->show();
    return fenster;
}

QWidget* protokoll(Umgebung& u) {
    auto* modell = u.sitzung.fenster().findChild<ProtokollModell*>();
    modell->anhaengen(
        {"m[4 , 0][2 , 3] =   6", "4", "0", "2", "3", "  6", "", " Multiplikation", true, "", ""});
    u.sitzung.fenster().findChild<QAction*>("mnuProtokoll")->trigger();
    auto* fenster = u.sitzung.fenster().findChild<FrmProtokoll*>();
    auto* liste = fenster->findChild<QListView*>("lstProtokoll");
    liste->selectionModel()->select(modell->index(0, 0), QItemSelectionModel::Select);
    liste->setFocus();
    return fenster;
}

// Slow enough that the sampling still runs while the test uses the window.
std::optional<double> langsam(float) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return 1.0;
}

struct Fenster {
    const char* name;
    std::function<QWidget*(Umgebung&)> oeffne;
    QStringList tabFolge;  // from the control that has the focus when the window opens
};

const std::vector<Fenster>& fenster() {
    static const std::vector<Fenster> alle{
        {"frmKomment", [](Umgebung&) { return hilfe(zeigeFunktionsweise); }, {"rtbKomment"}},
        {"frmGrundlagen", [](Umgebung&) { return hilfe(zeigeGrundlagen); }, {"rtbGrundlagen"}},
        {"frmNormal", [](Umgebung&) { return hilfe(zeigeNormalalgebraische); }, {"rtbNormal"}},
        {"frmGlossar", [](Umgebung&) { return hilfe(zeigeGlossar); }, {"rtbGlossar"}},
        {"frmProtokoll",
         protokoll,
         {"lstProtokoll", "cmdLaden", "cmdKopieren", "cmdSpeichern", "cmdDrucken", "cmdLeeren"}},
        {"frmGraph",
         [](Umgebung& u) {
             return eigenes(u, new FrmGraph(u.bruecke, u.einstellungen, "m[6 , 1][x , 0]", {},
                                            nullptr, langsam));
         },
         {"cmdAnhalten"}},
        {"frmWerte",
         [](Umgebung& u) { return eigenes(u, new FrmWerte(u.einstellungen)); },
         {"txtUXGrenz", "txtOXGrenz", "txtUYGrenz", "txtOYGrenz", "txtDX", "opt20", "cmdWeAbbr",
          "cmdWeEnd"}},
        {"frmAufloes",
         [](Umgebung& u) { return eigenes(u, new FrmAufloes("{ 7, 6, 5 }", 2)); },
         {"cmdEaufl"}},
        {"frmAutor",
         [](Umgebung& u) { return eigenes(u, new FrmAutor); },
         {"cmdAEnde", "rtbAutor"}},
        {"frmEnde", [](Umgebung& u) { return eigenes(u, new FrmEnde); }, {"cmdENein", "cmdEJa"}},
    };
    return alle;
}

const Fenster& suche(const QString& name) {
    for (const Fenster& f : fenster()) {
        if (name == QLatin1String(f.name)) return f;
    }
    qFatal("no window %s", qPrintable(name));
}

// Opened, in front and with the keyboard.
QWidget* geoeffnet(Umgebung& u, const QString& name) {
    QWidget* w = suche(name).oeffne(u);
    if (w == nullptr) return nullptr;
    bringeNachVorne(w);
    // A window of the main window counts as active with it; it must have the keys itself.
    if (!QTest::qWaitFor([w] { return QApplication::activeWindow() == w; })) return nullptr;
    return w;
}

// The ring around the focused control stands out at least 3:1 from what it sits on, both
// in the gap next to the control and outside the ring, on the window as drawn.
QString ringFehler(QWidget* fenster) {
    QWidget* fokus = fenster->focusWidget();
    auto* ring = fenster->findChild<QWidget*>("fokusRahmen");
    if (fokus == nullptr || ring == nullptr || !ring->isVisible()) return QStringLiteral("no ring");
    const QRect feld(fokus->mapTo(fenster, QPoint(0, 0)), fokus->size());
    if (!ring->geometry().contains(feld) || ring->geometry() == feld) return "ring not around";
    const QImage bild = fenster->grab().toImage();
    const int y = feld.center().y();
    const QColor farbe = bild.pixelColor(ring->x(), y);
    for (const int x : {ring->x() - 1, feld.left() - 1}) {
        const QColor hinten = bild.pixelColor(x, y);
        if (kontrast(farbe, hinten) < 3) {
            return QStringLiteral("ring %1 on %2").arg(farbe.name(), hinten.name());
        }
    }
    return {};
}

}  // namespace

class TestFensterTasten : public QObject {
    Q_OBJECT

    std::unique_ptr<Umgebung> u_;

    void proFenster() {
        QTest::addColumn<QString>("name");
        for (const Fenster& f : fenster()) QTest::newRow(f.name) << QString(f.name);
    }

  private slots:
    void init() { u_ = std::make_unique<Umgebung>(); }
    void cleanup() {
        schliesseHilfefenster();
        u_.reset();
    }

    void tabOrderAndFocusRing_data() { proFenster(); }
    void tabOrderAndFocusRing() {
        QFETCH(QString, name);
        QWidget* w = geoeffnet(*u_, name);
        QVERIFY(w != nullptr);
        const QStringList erwartet = suche(name).tabFolge;
        QStringList gesehen;
        for (qsizetype i = 0; i <= erwartet.size(); ++i) {
            QWidget* fokus = w->focusWidget();
            QVERIFY(fokus != nullptr);
            gesehen << fokus->objectName();
            const QString fehler = ringFehler(w);
            QVERIFY2(fehler.isEmpty(), qPrintable(fokus->objectName() + ": " + fehler));
            QTest::keyClick(fokus, Qt::Key_Tab);
        }
        QCOMPARE(gesehen, erwartet + QStringList{erwartet.front()});
    }

    void escapeAndCtrlWClose_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("escape");
        for (const Fenster& f : fenster()) {
            QTest::addRow("%s Escape", f.name) << QString(f.name) << true;
            QTest::addRow("%s Ctrl+W", f.name) << QString(f.name) << false;
        }
    }
    // The graph's Escape halts a running sampling first and closes only the second time; the
    // dialogs close as "Abbrechen" or "Nein" would.
    void escapeAndCtrlWClose() {
        QFETCH(QString, name);
        QFETCH(bool, escape);
        const QPointer<QWidget> w = geoeffnet(*u_, name);
        QVERIFY(w);
        const auto druecke = [&w, escape] {
            QWidget* ziel = w->focusWidget() != nullptr ? w->focusWidget() : w.get();
            QTest::keyClick(ziel, escape ? Qt::Key_Escape : Qt::Key_W,
                            escape ? Qt::NoModifier : Qt::ControlModifier);
        };
        auto* graph = qobject_cast<FrmGraph*>(w);
        if (escape && graph != nullptr) {
            QVERIFY(graph->rechnetNoch());
            druecke();
            QVERIFY(w->isVisible());
            QTRY_VERIFY(!graph->rechnetNoch());
        }
        druecke();
        QVERIFY(w.isNull() || !w->isVisible());
        if (auto* dialog = qobject_cast<QDialog*>(w)) QCOMPARE(dialog->result(), QDialog::Rejected);
    }

    void returnPressesFocusedButton_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("knopf");
        QTest::addColumn<int>("taste");
        const std::pair<const char*, QStringList> knoepfe[] = {
            {"frmProtokoll", {"cmdLaden", "cmdKopieren", "cmdLeeren"}},
            {"frmGraph", {"cmdAnhalten"}},
            {"frmWerte", {"cmdWeAbbr", "cmdWeEnd"}},
            {"frmAufloes", {"cmdEaufl"}},
            {"frmAutor", {"cmdAEnde"}},
            {"frmEnde", {"cmdENein", "cmdEJa"}},
        };
        for (const auto& [fenster, namen] : knoepfe) {
            for (const QString& knopf : namen) {
                for (const int taste : {Qt::Key_Return, Qt::Key_Enter}) {
                    QTest::addRow("%s %s %s", fenster, qPrintable(knopf),
                                  taste == Qt::Key_Return ? "Return" : "Enter")
                        << QString(fenster) << knopf << taste;
                }
            }
        }
    }
    // Pressed once, whichever button the dialog would press by default.
    void returnPressesFocusedButton() {
        QFETCH(QString, name);
        QFETCH(QString, knopf);
        QFETCH(int, taste);
        QWidget* w = geoeffnet(*u_, name);
        QVERIFY(w != nullptr);
        auto* button = w->findChild<QPushButton*>(knopf);
        QVERIFY(button != nullptr && button->isEnabled());
        button->setFocus();
        QSignalSpy gedrueckt(button, &QPushButton::clicked);
        QTest::keyClick(button, Qt::Key(taste),
                        taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(gedrueckt.size(), 1);
    }
};

QTEST_MAIN(TestFensterTasten)
#include "test_fenster_tasten.moc"
