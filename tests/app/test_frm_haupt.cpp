// The main window as its user meets it, and the windows its menus open. No print server is
// reachable here (see main).
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <functional>

#include "app/calculation_printer.h"
#include "app/haupt_layout.h"
#include "app/secondary_windows.h"
#include "app/support_fixture.h"

using namespace staffel::app;
using staffel::apptest::Sitzung;

namespace {

// Hyper-1 power of 1.2: one step per unit of the exponent, far longer than any test waits.
const QString kLang[] = {"6", "1", "1.2", "1000000000"};
const QString kAngehalten = QStringLiteral("    Berechnung angehalten!");

// Runs action on the first modal window that shows up.
void beiModalemFenster(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            action(modal);
        }
    });
    poll->start(5);
}

// The one visible top-level window of that name; two of them count as none.
QWidget* sichtbar(const QString& name) {
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            if (found) return nullptr;
            found = widget;
        }
    }
    return found;
}

}  // namespace

class TestFrmHaupt : public QObject {
    Q_OBJECT

    std::unique_ptr<Sitzung> s_;

    QAction* eintrag(const char* name) { return s_->fenster().findChild<QAction*>(name); }

    // Starts the long calculation and waits until the counter label has shown two values.
    void startLongCalculationAndSeeCountersRise() {
        s_->eingaben(kLang[0], kLang[1], kLang[2], kLang[3]);
        s_->klick("cmdRechne");
        QTRY_VERIFY_WITH_TIMEOUT(!s_->text("lblRecBer").isEmpty(), 30000);
        const QString first = s_->text("lblRecBer");
        QTRY_VERIFY_WITH_TIMEOUT(s_->text("lblRecBer") != first, 30000);
        QVERIFY(s_->fenster().calculationRunning());
        QVERIFY(!s_->widget("txtBasis")->isEnabled());
    }

  private slots:
    void init() { s_ = std::make_unique<Sitzung>(); }
    void cleanup() {
        s_.reset();
        schliesseHilfefenster();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void layoutSpotChecksAndNoCaptionCut() {
        QCOMPARE(s_->widget("cmdRechne")->geometry(), QRect(648, 376, 81, 33));
        QCOMPARE(s_->widget("txtRechenart")->geometry(), QRect(208, 32, 65, 25));
        QCOMPARE(s_->text("cmdPi"), QStringLiteral("π"));
        QCOMPARE(s_->text("cmdAufl"), QStringLiteral("Auflösungs-\nliste"));
        QWidget* flaeche = s_->fenster().centralWidget();
        QCOMPARE(flaeche->size(), QSize(732, 466));
        for (const ControlRow& row : hauptLayout()) {
            if (row.kind != ControlKind::Button && row.kind != ControlKind::Label) continue;
            QWidget* widget = s_->widget(row.name);
            const QString caption =
                row.kind == ControlKind::Button ? s_->text(row.name) : displayCaption(row);
            int widest = 0;
            for (const QString& line : caption.split(QLatin1Char('\n'))) {
                widest = std::max(widest, QFontMetrics(widget->font()).horizontalAdvance(line));
            }
            // The design lets the long function label run past the window's edge.
            const int room =
                std::min(widget->width() - (row.framed ? 2 : 0), flaeche->width() - widget->x());
            QVERIFY2(widest <= room, row.name);
        }
    }

    // The worked example end to end; the fields keep what the user typed.
    void recursionEndToEnd() {
        s_->eingaben("7", "00", "2", "3");
        QVERIFY(s_->rechne());
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  256"));
        QCOMPARE(s_->text("lblStp"), QStringLiteral(" 2"));
        QCOMPARE(s_->text("lblNameRA"), QStringLiteral(" Name der Rechenart ?"));
        QCOMPARE(s_->text("lblRecBer"), QStringLiteral(" 2"));
        QCOMPARE(s_->text("lblRecIII"), QStringLiteral(" 1"));
        QCOMPARE(s_->text("lblRecG00"), QString());  // never touched: stays empty
        QCOMPARE(s_->text("txtAufzahl"), QStringLiteral("00"));
        QVERIFY(s_->zeigtGueltig());
        QVERIFY(s_->meldungen().isEmpty());

        // Typing resets the engine and shows invalid; the labels keep their texts.
        QTest::keyClicks(s_->feld("txtBasis"), "1");
        QVERIFY(s_->zeigtUngueltig());
        QCOMPARE(s_->fenster().modul().ZaehlerBer.get(), -1);
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  256"));

        // An empty field is refused with a box and changes nothing.
        s_->feld("txtBasis")->clear();
        QVERIFY(s_->rechne());
        QCOMPARE(s_->meldungsTexte(), QStringList{"Erst EINGABE , dann BERECHNUNG !"});
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  256"));
    }

    void enterCalculatesAndDoubleClickEmpties() {
        s_->eingaben("3", "", "3", "4");
        QSignalSpy fertig(&s_->fenster(), &frmHaupt::calculationFinished);
        QTest::keyClick(s_->feld("txtExponent"), Qt::Key_Return);
        QVERIFY(!fertig.isEmpty() || fertig.wait(60000));
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  7"));
        QCOMPARE(s_->text("txtExponent"), QStringLiteral("4"));  // Enter is not typed
        QTest::mouseDClick(s_->feld("txtRechenart"), Qt::LeftButton);
        QCOMPARE(s_->text("txtRechenart"), QString());
    }

    void limitButtonColoursExponentUntilAnInputChanges() {
        s_->eingaben("3", "", "2", "5");
        QVERIFY(s_->rechne("cmdEulersch"));
        QCOMPARE(s_->text("txtExponent"), QStringLiteral(" +- Unendlich"));
        QCOMPARE(s_->hinten("txtExponent"), QColor(0x00, 0x00, 0x80));
        QCOMPARE(s_->meldungsTexte(), QStringList{" In diesem Fall ist der Grenzwert unbekannt!"});
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  Grenzwert??"));
        QVERIFY(s_->rechne());  // "Rechne !" again stays in the limit mode
        QVERIFY(s_->fenster().modul().GrenzwertModus);
        QTest::keyClicks(s_->feld("txtRechenart"), "4");
        QCOMPARE(s_->text("txtExponent"), QString());
        QCOMPARE(s_->hinten("txtExponent"), QColor(0xc0, 0xc0, 0xff));
        QVERIFY(!s_->fenster().modul().GrenzwertModus);
    }

    void buttonsFillTheFields() {
        s_->eingaben("", "", "9", "2");
        s_->klick("cmdSqrt");
        QVERIFY(s_->rechne());
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  3"));
        // A refused transform says why and keeps the valid result; a done one resets.
        s_->eingaben("1", "", "5", "2");
        QVERIFY(s_->rechne());
        s_->klick("cmdSpiegel");
        QCOMPARE(s_->meldungen().size(), 1);
        QCOMPARE(s_->meldungen().first().titel, QStringLiteral("Problem"));
        QVERIFY(s_->zeigtGueltig());
        s_->klick("cmdReiheP");
        QCOMPARE(s_->text("txtRechenart"), QStringLiteral("2"));
        QVERIFY(s_->zeigtUngueltig());
    }

    void memoryAndConstants() {
        s_->eingaben("3", "", "3", "4");
        QVERIFY(s_->rechne());
        s_->klick("cmdMemory");
        s_->klick("cmdMemToExp");
        QCOMPARE(s_->text("txtExponent"), QStringLiteral("  7"));
        QVERIFY(s_->rechne());
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  10"));
        // The largest number reads back exactly.
        s_->klick("cmdMax");
        s_->klick("cmdMemtoBase");
        s_->feld("txtExponent")->setText("2");
        QVERIFY(s_->rechne());
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  1.79769313486231E+308"));
        s_->klick("cmdClear");
        QCOMPARE(s_->text("lblSpeicher"), QString());
    }

    void haltStopsALongCalculation() {
        startLongCalculationAndSeeCountersRise();
        QVERIFY(s_->rechne("cmdHalt"));
        QCOMPARE(s_->text("lblErgebnis"), kAngehalten);
        QVERIFY(s_->zeigtUngueltig());
        QVERIFY(s_->widget("txtBasis")->isEnabled());
        QVERIFY(s_->meldungen().isEmpty());
        // A halt while nothing runs does not touch the next calculation.
        s_->klick("cmdHalt");
        s_->eingaben("3", "", "3", "4");
        QVERIFY(s_->rechne());
        QVERIFY(s_->zeigtGueltig());
    }

    void clearStopsALongCalculationAndEmptiesTheWindow() {
        startLongCalculationAndSeeCountersRise();
        QSignalSpy fertig(&s_->fenster(), &frmHaupt::calculationFinished);
        s_->klick("cmdClear");
        QVERIFY(!s_->fenster().calculationRunning());
        QCOMPARE(s_->text("txtRechenart"), QString());
        QCOMPARE(s_->text("txtAufzahl"), QStringLiteral("0"));
        QCOMPARE(s_->text("lblErgebnis"), kAngehalten);
        QTest::qWait(300);  // the stopped calculation delivers nothing afterwards
        QVERIFY(fertig.isEmpty());
        QVERIFY(s_->text("lblRecBer").isEmpty());
    }

    void closingTheWindowStopsTheCalculation() {
        startLongCalculationAndSeeCountersRise();
        QVERIFY(s_->fenster().close());
        QVERIFY(!s_->fenster().calculationRunning());
    }

    // Each help window stays beside the calculator, once only, comes forward when chosen
    // again and is built afresh once closed.
    void helpWindowsBesideTheCalculator() {
        const char* const hilfen[][2] = {{"mnuGebrauch", "frmKomment"},
                                         {"mnuGrundlagen", "frmGrundlagen"},
                                         {"mnuNormal", "frmNormal"},
                                         {"mnuGlossar", "frmGlossar"}};
        for (const auto& [menu, name] : hilfen) {
            eintrag(menu)->trigger();
            eintrag(menu)->trigger();
            QWidget* fenster = sichtbar(name);
            QVERIFY2(fenster && !fenster->parentWidget() && !QApplication::activeModalWidget(),
                     name);
            QVERIFY(!fenster->findChild<QTextEdit*>()->toPlainText().isEmpty());
            fenster->showMinimized();
            eintrag(menu)->trigger();
            QCOMPARE(sichtbar(name), fenster);
            QVERIFY(!fenster->isMinimized());
            QPointer<QWidget> alt(fenster);
            fenster->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(alt.isNull());
        }
    }

    // Entry, the modal window it opens, the button that closes it; "Nein" has the focus.
    void modalWindowsFromMenusAndButtons() {
        s_->modaleSelbstBeantworten();
        zeigeGlossar(&s_->fenster());
        const char* const faelle[][3] = {{"mnuAutor", "frmAutor", "cmdAEnde"},
                                         {"mnuEnde", "frmEnde", "cmdENein"},
                                         {"cmdEnde", "frmEnde", ""},
                                         {"cmdAufl", "frmAufloes", "cmdEaufl"}};
        for (const auto& [eingang, name, knopf] : faelle) {
            QString gesehen;
            beiModalemFenster([&, knopf = knopf](QWidget* modal) {
                gesehen = modal->objectName();
                QVERIFY(modal->windowModality() == Qt::ApplicationModal);
                if (*knopf) return modal->findChild<QPushButton*>(knopf)->click();
                QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
            });
            if (QAction* action = eintrag(eingang)) {
                action->trigger();
            } else {
                s_->klick(eingang);
            }
            QCOMPARE(gesehen, QString::fromLatin1(name));
            QVERIFY(s_->fenster().isVisible());
        }
        beiModalemFenster(
            [](QWidget* modal) { modal->findChild<QPushButton*>("cmdEJa")->click(); });
        s_->klick("cmdEnde");
        QVERIFY(!s_->fenster().isVisible());
        QVERIFY(sichtbar("frmGlossar"));  // no child of the main window: it stays
    }

    // Once per switching on; off says nothing; on while already on is no new switching on.
    void printerWarnsOncePerSwitchingOn() {
        const QStringList schritte{"druck", "an", "druck", "druck", "aus",
                                   "druck", "an", "druck", "an",    "druck"};
        const QList<int> meldungen{0, 0, 1, 1, 1, 1, 1, 2, 2, 2};
        RechnungsDrucker drucker;
        for (qsizetype i = 0; i < schritte.size(); ++i) {
            if (schritte[i] == "druck") {
                drucker.RechnungsDruck(&s_->fenster(), QStringLiteral("m[4 , 0][2 , 3] =   6"));
            } else {
                drucker.setzeAktiv(schritte[i] == "an");
            }
            QCOMPARE(int(s_->meldungen().size()), meldungen[i]);
        }
        QCOMPARE(s_->meldungen().last().symbol, QMessageBox::Warning);
    }

    // The main window may close while help windows stay; the program then ends with the
    // last of them. Runs the real event loop, so it comes last.
    void programEndsWithTheLastWindow() {
        s_.reset();
        auto* haupt = new frmHaupt;
        haupt->setAttribute(Qt::WA_DeleteOnClose);
        haupt->show();
        zeigeGlossar(haupt);
        bool glossarBlieb = false;
        QTimer::singleShot(0, haupt, [haupt] { haupt->close(); });
        QTimer::singleShot(50, qApp, [&] {
            QWidget* glossar = sichtbar(QStringLiteral("frmGlossar"));
            glossarBlieb = glossar != nullptr;
            if (glossar) glossar->close();
        });
        QCoreApplication::exec();
        QVERIFY(glossarBlieb);
    }
};

int main(int argc, char** argv) {
    // A socket where nothing listens: no print server, whatever the machine has set up.
    qputenv("CUPS_SERVER", "/nonexistent/staffelrechner-ohne-cups.sock");
    qunsetenv("PRINTER");
    QApplication app(argc, argv);
    TestFrmHaupt test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_frm_haupt.moc"
