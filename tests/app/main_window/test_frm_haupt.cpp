// The main window as its user meets it, by mouse, keyboard and screen reader, and the windows
// its menus open. No print server is reachable here (see main).
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolTip>

#include "app/main_window/calculation_printer.h"
#include "app/main_window/haupt_layout.h"
#include "app/secondary/secondary_windows.h"
#include "app/shared/datei_speichern.h"
#include "app/shared/window_design.h"
#include "app/support_fixture.h"
#include "app/tape/frm_protokoll.h"
#include "app/tape/protokoll_datei.h"

using namespace staffel::app;

namespace {

const QString kAngehalten = QStringLiteral("    Berechnung angehalten!");

QString vorgelesen(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QString inhalt(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? QString::fromUtf8(datei.readAll()) : QString();
}

// The visible top-level windows of that name.
QWidgetList sichtbar(const QString& name) {
    QWidgetList fenster = QApplication::topLevelWidgets();
    fenster.removeIf([&name](QWidget* w) { return w->objectName() != name || !w->isVisible(); });
    return fenster;
}

}  // namespace

class TestFrmHaupt : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::Sitzung> s_;

    QAction* eintrag(const char* name) { return s_->fenster().findChild<QAction*>(name); }

    // Starts m[6, 1][1.2, 10^9], which runs far longer than any test waits, and waits until
    // the step label shows the new step and the counter label has shown two values.
    void startLongCalculationAndSeeCountersRise() {
        s_->eingaben("6", "1", "1.2", "1000000000");
        s_->klick("cmdRechne");
        QTRY_COMPARE_WITH_TIMEOUT(s_->text("lblStp"), QStringLiteral(" 1"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!s_->text("lblRecBer").isEmpty(), 30000);
        const QString first = s_->text("lblRecBer");
        QTRY_VERIFY_WITH_TIMEOUT(s_->text("lblRecBer") != first, 30000);
        QVERIFY(!s_->widget("txtBasis")->isEnabled());
        QCOMPARE(s_->fenster().focusWidget(), s_->widget("cmdHalt"));
    }

  private slots:
    void init() { s_ = std::make_unique<staffel::apptest::Sitzung>(); }
    void cleanup() {
        s_.reset();
        schliesseHilfefenster();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A few positions and captions of the layout; no caption cut. Every control has a name to
    // announce: fields and value labels that of their title, pictures and the Symbol-font
    // buttons their tooltip.
    void layoutCaptionsAndAccessibleNames() {
        QCOMPARE(s_->widget("cmdRechne")->geometry(), QRect(648, 376, 81, 33));
        QCOMPARE(s_->text("cmdAufl"), QStringLiteral("Auflösungs-\nliste"));
        QWidget* flaeche = s_->fenster().centralWidget();
        QCOMPARE(flaeche->size(), QSize(732, 466));
        QCOMPARE(vorgelesen(s_->widget("lblRecBer")), QStringLiteral("Rekursion Ber"));
        for (const ControlRow& row : hauptLayout()) {
            if (row.kind == ControlKind::Line) continue;
            QWidget* widget = s_->widget(row.name);
            QVERIFY2(!vorgelesen(widget).trimmed().isEmpty(), row.name);
            if (row.kind != ControlKind::Button && row.kind != ControlKind::Label) continue;
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

    // The worked example end to end from the keyboard: Enter in a field calculates, the focus
    // comes back, and Ctrl+C copies the result unless a field has a selection.
    void recursionEndToEnd() {
        s_->eingaben("7", "00", "2", "3");
        QVERIFY(s_->rechne("txtExponent", Qt::Key_Return));
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  256"));
        QCOMPARE(s_->text("lblStp"), QStringLiteral(" 2"));
        QCOMPARE(s_->text("lblNameRA"), QStringLiteral(" Name der Rechenart ?"));
        QCOMPARE(s_->text("lblRecIII"), QStringLiteral(" 1"));
        QCOMPARE(s_->text("lblRecG00"), QString());  // never touched: stays empty
        QCOMPARE(s_->text("txtExponent"), QStringLiteral("3"));
        QVERIFY(s_->zeigtGueltig());
        QCOMPARE(vorgelesen(s_->widget("lblErgebnis")), QStringLiteral("Ergebnis: 256"));
        QCOMPARE(s_->fenster().focusWidget(), s_->widget("txtExponent"));
        const auto kopiert = [this] {
            QGuiApplication::clipboard()->clear();
            QTest::keyClick(s_->fenster().focusWidget(), Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->text();
        };
        QCOMPARE(kopiert(), QStringLiteral("256"));
        s_->feld("txtExponent")->selectAll();
        QCOMPARE(kopiert(), QStringLiteral("3"));
        // Enter on a focused button presses it, and the focus stays there.
        QVERIFY(s_->rechne("cmdRechne", Qt::Key_Enter));
        QCOMPARE(s_->fenster().focusWidget(), s_->widget("cmdRechne"));

        // Typing resets the engine and shows invalid; the labels keep their texts.
        QTest::keyClicks(s_->feld("txtExponent"), "1");
        QVERIFY(s_->zeigtGueltig(false));
        QCOMPARE(s_->fenster().zaehler()[static_cast<std::size_t>(staffel::Zaehler::Ber)], -1);
        // A double click empties a field; the calculation then refuses and changes nothing.
        QTest::mouseDClick(s_->feld("txtBasis"), Qt::LeftButton);
        QVERIFY(s_->rechne());
        QCOMPARE(s_->meldungsTexte(), QStringList{"Erst EINGABE , dann BERECHNUNG !"});
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  256"));
    }

    void limitButtonColoursExponentUntilAnInputChanges() {
        s_->eingaben("3", "", "2", "5");
        QVERIFY(s_->rechne("cmdEulersch"));
        QCOMPARE(s_->text("txtExponent"), QStringLiteral(" +- Unendlich"));
        QCOMPARE(s_->hinten("txtExponent"), QColor(0x00, 0x00, 0x80));
        // Locked while a calculation runs, every field stays readable, the limit's too.
        for (const char* name : {"txtRechenart", "txtAufzahl", "txtBasis", "txtExponent"}) {
            const QPalette p = s_->widget(name)->palette();
            QVERIFY2(kontrast(p.color(QPalette::Disabled, QPalette::Text),
                              p.color(QPalette::Disabled, QPalette::Base)) >= 4.5,
                     name);
        }
        QCOMPARE(s_->meldungsTexte(), QStringList{" In diesem Fall ist der Grenzwert unbekannt!"});
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  Grenzwert??"));
        QVERIFY(s_->rechne());  // "Rechne !" again stays in the limit mode
        QVERIFY(s_->fenster().grenzwertModus());
        QTest::keyClicks(s_->feld("txtRechenart"), "4");
        QCOMPARE(s_->text("txtExponent"), QString());
        QCOMPARE(s_->hinten("txtExponent"), QColor(0xc0, 0xc0, 0xff));
        // A double click empties the limit's exponent and gives it its normal colours back.
        QVERIFY(s_->rechne("cmdEulersch"));
        QTest::mouseDClick(s_->feld("txtExponent"), Qt::LeftButton);
        QCOMPARE(s_->hinten("txtExponent"), QColor(0xc0, 0xc0, 0xff));
    }

    void buttonsAndMemory() {
        s_->eingaben("", "", "9", "2");
        s_->klick("cmdSqrt");
        QVERIFY(s_->rechne());
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  3"));
        s_->klick("cmdMemory");
        s_->klick("cmdMemToExp");
        s_->eingaben("1", "", "5", s_->text("txtExponent"));
        QVERIFY(s_->rechne());
        // A refused transform says why and keeps the valid result; a done one resets.
        s_->klick("cmdSpiegel");
        QCOMPARE(s_->meldungen().size(), 1);
        QCOMPARE(s_->meldungen().first().titel, QStringLiteral("Problem"));
        QVERIFY(s_->zeigtGueltig());
        s_->klick("cmdReiheP");
        QCOMPARE(s_->text("txtRechenart"), QStringLiteral("2"));
        QVERIFY(s_->zeigtGueltig(false));
        // The largest number reads back exactly.
        s_->klick("cmdMax");
        s_->klick("cmdMemtoBase");
        s_->feld("txtRechenart")->setText("3");
        QVERIFY(s_->rechne());
        QCOMPARE(s_->text("lblErgebnis"), QStringLiteral("  1.79769313486231E+308"));
        // The locked Auflösungszahl answers a key with how to free it: a double click.
        QTest::keyClick(s_->feld("txtAufzahl"), Qt::Key_1);
        QVERIFY(QToolTip::isVisible() && QToolTip::text().contains("Doppelklick"));
        QTest::mouseDClick(s_->feld("txtAufzahl"), Qt::LeftButton);
        QTest::keyClick(s_->feld("txtAufzahl"), Qt::Key_1);
        QCOMPARE(s_->text("txtAufzahl"), QStringLiteral("1"));
        s_->klick("cmdClear");
        QCOMPARE(s_->text("lblSpeicher"), QString());
        // Enter held down presses a button once, not again with every repeat.
        QKeyEvent wiederholt(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(s_->widget("cmdMax"), &wiederholt);
        QCOMPARE(s_->text("lblSpeicher"), QString());
    }

    // Halt and CLEAR each stop a long calculation (closing the window: test_protokoll_ablage); a
    // halt while nothing runs does not touch the next calculation.
    void haltAndClearStopALongCalculation() {
        startLongCalculationAndSeeCountersRise();
        QVERIFY(s_->rechne("cmdHalt", Qt::Key_Space));
        // Back where the run was started from.
        QCOMPARE(s_->fenster().focusWidget(), s_->widget("cmdRechne"));
        QCOMPARE(s_->text("lblErgebnis"), kAngehalten);
        QVERIFY(s_->zeigtGueltig(false));
        QVERIFY(s_->meldungen().isEmpty());
        s_->klick("cmdHalt");
        s_->eingaben("3", "", "3", "4");
        QVERIFY(s_->rechne());
        QVERIFY(s_->zeigtGueltig());

        startLongCalculationAndSeeCountersRise();
        QSignalSpy fertig(&s_->fenster(), &FrmHaupt::calculationFinished);
        s_->klick("cmdClear");
        QCOMPARE(s_->text("txtAufzahl"), QStringLiteral("0"));
        QCOMPARE(s_->text("lblErgebnis"), kAngehalten);
        QTest::qWait(300);  // the stopped calculation delivers nothing afterwards
        QVERIFY(fertig.isEmpty());
        QVERIFY(s_->text("lblRecBer").isEmpty());
    }

    // A failure shows its words in the result label, not the number the engine left behind,
    // with the prescribed invalid face.
    void failuresShowTheirWords() {
        const char* const faelle[][5] = {
            {"1/4", "", "1", "0", " Division durch Null!"},
            {"6", "1", "3", "2147483648", "      |Ergebnis| > 10^308"},
            {"6", "1", "3", "1E17", "      |Ergebnis| > 10^308"},
        };
        for (const auto& [r, a, b, e, worte] : faelle) {
            s_->eingaben(r, a, b, e);
            QVERIFY(s_->rechne());
            QCOMPARE(s_->text("lblErgebnis"), QString::fromUtf8(worte));
            QVERIFY(s_->zeigtGueltig(false));
        }
        QVERIFY(s_->text("lblGroesse").startsWith("Größe: mehr als (10^)^"));
    }

    // Whatever the last calculation showed is struck through the moment an input changes or a
    // new run starts, and screen readers hear it; a graph leaves the result marked.
    void staleResultsAreMarked() {
        const auto gestrichen = [this](const char* name) {
            return s_->widget(name)->font().strikeOut();
        };
        s_->eingaben("6", "1", "3", "4");
        QVERIFY(s_->rechne());
        QVERIFY(!gestrichen("lblErgebnis") && !gestrichen("lblNameRA"));
        QTest::keyClicks(s_->feld("txtBasis"), "1");
        for (const char* name : {"lblErgebnis", "lblNameRA", "lblGroesse"}) {
            QVERIFY2(gestrichen(name), name);
        }
        QVERIFY(s_->widget("lblErgebnis")->accessibleDescription().startsWith("Veraltet"));
        QVERIFY(s_->rechne());
        QVERIFY(!gestrichen("lblErgebnis") && !gestrichen("lblNameRA"));
        QVERIFY(!s_->widget("lblErgebnis")->accessibleDescription().startsWith("Veraltet"));
        s_->eingaben("5", "0", "x", "2");
        QVERIFY(s_->rechne());
        QVERIFY(gestrichen("lblErgebnis") && !gestrichen("lblNameRA"));
    }

    // During a run the focus waits on the halt button and Escape halts; the buttons follow the
    // calculate buttons row by row (the ring around the focus: test_fenster_tasten); the locked
    // field names the calculation that locked it.
    void keyboardDuringARunAndTheLock() {
        startLongCalculationAndSeeCountersRise();
        QSignalSpy fertig(&s_->fenster(), &FrmHaupt::calculationFinished);
        QTest::keyClick(s_->fenster().focusWidget(), Qt::Key_Escape);
        QVERIFY(!fertig.isEmpty() || fertig.wait(60000));
        QCOMPARE(s_->text("lblErgebnis"), kAngehalten);

        QStringList reihe;
        QWidget* w = s_->widget("cmdRechne");
        for (int i = 0; i < 9; ++i) reihe << (w = w->nextInFocusChain())->objectName();
        QCOMPARE(reihe, QStringList({"cmdHalt", "cmdMemtoBase", "cmdMemory", "cmdMemToExp",
                                     "cmdMin", "cmdMax", "cmdEulerE", "cmdPi", "cmdReiheP"}));

        s_->eingaben("3", "", "1", "1");
        QVERIFY(s_->rechne());
        QTest::keyClicks(s_->feld("txtRechenart"), "0");
        QVERIFY(s_->feld("txtAufzahl")->isReadOnly());
        auto* zugang = QAccessible::queryAccessibleInterface(s_->widget("txtAufzahl"));
        QVERIFY(zugang->state().readOnly);
        QVERIFY(zugang->text(QAccessible::Description).contains("Rechenzahl 3 der Rechnung"));
        QTest::mouseDClick(s_->feld("txtAufzahl"), Qt::LeftButton);
        QVERIFY(!s_->feld("txtAufzahl")->isReadOnly());
        QVERIFY(zugang->text(QAccessible::Description).isEmpty());
    }

    // A value, a message, the limit button and a graph, marked as one; two rows loaded back;
    // saved as CSV, a cell quoted, its quotes doubled, where it holds a quote (the value), a
    // line break (the message) or the separator (the graph), and as the printed lines.
    void tapeOfValueCalculations() {
        s_->eingaben("8/3", "000", "2\"", "3");
        QVERIFY(s_->rechne());
        s_->eingaben("5", "0", "0", "-1\r");
        QVERIFY(s_->rechne());
        QVERIFY(s_->rechne("cmdEulersch"));
        s_->eingaben("5", "0", "x", "2;");
        QVERIFY(s_->rechne());
        s_->fenster().findChild<QAction*>("mnuProtokoll")->trigger();
        auto* fenster = s_->fenster().findChild<FrmProtokoll*>();
        auto* liste = fenster->findChild<QListView*>("lstProtokoll");
        const auto zeile = [liste](int nr) { return liste->model()->index(nr, 0); };
        QCOMPARE(liste->model()->rowCount(), 4);
        QCOMPARE(zeile(0).data().toString(), "m[8/3 , 000][2\" , 3] =   8");
        QCOMPARE(zeile(3).data().toString(), "[Graph] m[5 , ][x , 2;]");

        QTemporaryDir ordner;
        QVERIFY(fenster->speichern(ordner.filePath("p.csv")));
        QCOMPARE(inhalt(ordner.filePath("p.csv")),
                 QString::fromUtf8(
                     "Rechenzahl;Auflösungszahl;Basis;Exponent;Ergebnis;Meldung;Name;gültig;Größe;"
                     "Art\n"
                     "8/3;000;\"2\"\"\";3;8;;Potenzierung:  b ^ e;ja;;Wert\n"
                     "5;0;0;\"-1\r\";;Nicht definiert!;Potenzierung:  b ^ e;nein;;Wert\n"
                     "5;0;0; +- Unendlich;;Grenzwert??;Potenzierung:  b ^ e;nein;;Wert\n"
                     "5;0;x;\"2;\";;;;nein;;Graph\n"));
        QVERIFY(fenster->speichern(ordner.filePath("p.txt")));
        QCOMPARE(inhalt(ordner.filePath("p.txt")),
                 druckzeilen(s_->fenster().findChild<ProtokollModell*>()->zeilen()));

        // A loaded row fills the fields again (its calculation: test_protokoll_ablage).
        liste->setCurrentIndex(zeile(0));
        QTest::keyClick(liste, Qt::Key_Return);
        const QStringList felder{s_->text("txtRechenart"), s_->text("txtAufzahl"),
                                 s_->text("txtBasis"), s_->text("txtExponent")};
        QCOMPARE(felder, QStringList({"8/3", "000", "2\"", "3"}));
        // Copying gives the selected rows' printed lines in the tape's order.
        liste->selectionModel()->select(zeile(2), QItemSelectionModel::ClearAndSelect);
        liste->selectionModel()->select(zeile(0), QItemSelectionModel::Select);
        fenster->findChild<QPushButton*>("cmdKopieren")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 zeile(0).data().toString() + '\n' + zeile(2).data().toString());
    }

    // The size of a result beyond 10^308 stands beneath the unchanged result label, is read
    // with it and kept by the tape.
    void sizeBeneathTheResult() {
        const QString groesse = QStringLiteral("1.25801429062749E+3638334640024");
        s_->eingaben("6", "1", "3", "4");
        QVERIFY(s_->rechne());
        QWidget* zeile = s_->widget("lblGroesse");
        QWidget* ergebnis = s_->widget("lblErgebnis");
        QVERIFY(zeile->isVisible() && zeile->y() > ergebnis->geometry().bottom());
        QCOMPARE(s_->text("lblGroesse"), "Größe: " + groesse);
        QCOMPARE(ergebnis->accessibleDescription(), s_->text("lblGroesse"));
        const auto* band = s_->fenster().findChild<ProtokollModell*>();
        QVERIFY(protokollCsv(band->zeilen()).endsWith(";nein;" + groesse.toUtf8() + ";Wert\n"));
        s_->eingaben("5", "", "2", "3");
        QVERIFY(s_->rechne());
        QVERIFY(!zeile->isVisible());
    }

    // Nothing half-written: neither over an earlier file nor when the written file cannot take
    // its name at the end.
    void failedSaveLeavesNothing() {
        QTemporaryDir ordner;
        QFile alt(ordner.filePath("p.csv"));
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
        alt.close();
        QVERIFY(!speichereDatei(nullptr, alt.fileName(), [](QIODevice& datei) {
            datei.write("halb");
            return false;
        }));
        QTemporaryDir weg;
        QVERIFY(!speichereDatei(nullptr, weg.filePath("p.csv"), [&weg](QIODevice& datei) {
            return datei.write("neu") == 3 && QDir(weg.path()).removeRecursively();
        }));
        QVERIFY(!QFile::exists(weg.filePath("p.csv")));
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"p.csv"});
        QCOMPARE(inhalt(alt.fileName()), "alt");
        QCOMPARE(s_->meldungen().size(), 2);
        QCOMPARE(s_->meldungen()[0].text.section(":\n", 1), "Der Inhalt ließ sich nicht erzeugen.");
        for (const Nachricht& n : s_->meldungen()) {
            QVERIFY(n.titel == "Problem" && n.symbol == QMessageBox::Critical);
            QVERIFY2(n.text.section(":\n", 1).size() > 3, qPrintable(n.text));  // the reason
        }
    }

    // Help windows are no modal children of the main window: one of each, built afresh
    // once closed, opened cascaded (named for a screen reader: test_alle_fenster). "Beenden" asks
    // first, and "Ja" ends (the question's other keys: test_fenster_tasten).
    void helpWindowsAndTheExitQuestion() {
        s_->modaleSelbstBeantworten();
        const char* const hilfen[][2] = {{"mnuGebrauch", "frmKomment"},
                                         {"mnuGrundlagen", "frmGrundlagen"},
                                         {"mnuNormal", "frmNormal"},
                                         {"mnuGlossar", "frmGlossar"}};
        for (const auto& [menu, name] : hilfen) {
            eintrag(menu)->trigger();
            eintrag(menu)->trigger();
            QCOMPARE(sichtbar(name).size(), 1);
            QPointer<QWidget> hilfe(sichtbar(name).first());
            QVERIFY2(!hilfe->parentWidget() && !QApplication::activeModalWidget(), name);
            QVERIFY(!hilfe->findChild<QTextEdit*>()->toPlainText().isEmpty());
            hilfe->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(hilfe.isNull());
        }
        QList<int> titel;
        for (const auto& [menu, name] : hilfen) {
            eintrag(menu)->trigger();
            for (int oben : titel) QVERIFY2(std::abs(sichtbar(name)[0]->y() - oben) >= 30, name);
            titel << sichtbar(name)[0]->y();
        }
        QString gesehen;
        // Runs in the question's own event loop: Tab to "Ja", Enter.
        QTimer::singleShot(0, [&gesehen] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr) return;
            gesehen = modal->objectName();
            for (Qt::Key taste : {Qt::Key_Tab, Qt::Key_Return}) {
                QTest::keyClick(modal->focusWidget(), taste);
            }
        });
        s_->klick("cmdEnde");
        QCOMPARE(gesehen, QStringLiteral("frmEnde"));
        QVERIFY(!s_->fenster().isVisible());
    }

    // Once per switching on; off says nothing; on while already on is no new switching on.
    void printerWarnsOncePerSwitchingOn() {
        const QStringList schritte{"druck", "an", "druck", "aus", "an", "an"};
        const QList<int> meldungen{0, 1, 1, 1, 2, 2};
        RechnungsDrucker drucker;
        for (qsizetype i = 0; i < schritte.size(); ++i) {
            if (schritte[i] != "druck") drucker.setzeAktiv(schritte[i] == "an");
            drucker.RechnungsDruck(&s_->fenster(), QStringLiteral("m[4 , 0][2 , 3] =   6"));
            QCOMPARE(int(s_->meldungen().size()), meldungen[i]);
        }
        QCOMPARE(s_->meldungen().last().symbol, QMessageBox::Warning);
    }

    // The main window may close while help windows stay; the program then ends with the
    // last of them. Runs the real event loop, so it comes last.
    void programEndsWithTheLastWindow() {
        zeigeGlossar(&s_->fenster());
        bool glossarBlieb = false;
        QTimer::singleShot(0, &s_->fenster(), [this] { s_->fenster().close(); });
        QTimer::singleShot(50, qApp, [&] {
            const QWidgetList glossar = sichtbar(QStringLiteral("frmGlossar"));
            glossarBlieb = glossar.size() == 1;
            for (QWidget* w : glossar) w->close();
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
