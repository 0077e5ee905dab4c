#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>
#include <functional>

#include "app/frm_aufloes.h"
#include "app/frm_autor.h"
#include "app/frm_ende.h"
#include "app/help_window.h"
#include "app/secondary_layout.h"
#include "app/secondary_windows.h"
#include "engine/modul_ra.h"

using namespace staffel;
using namespace staffel::app;

namespace {

// Runs `action` on the modal window as soon as it is shown. A watchdog closes any modal
// window left open, so a test that goes wrong fails instead of hanging.
void beiModalemFenster(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start();
}

QWidget* topLevel(const QString& name) {
    QWidget* found = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) {
            if (found) return nullptr;  // two of the same window count as none
            found = widget;
        }
    }
    return found;
}

QColor hintergrund(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

QStringList fetteAbsatzAnfaenge(const QTextDocument* document) {
    QStringList terms;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        auto it = block.begin();
        if (it.atEnd()) continue;
        const QTextFragment first = it.fragment();
        if (first.charFormat().fontWeight() >= QFont::Bold) terms << first.text().trimmed();
    }
    return terms;
}

bool hatUnterstrichenenTitel(const QTextDocument* document) {
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().fontUnderline()) return true;
        }
    }
    return false;
}

}  // namespace

class TestSecondaryWindows : public QObject {
    Q_OBJECT

  private:
    QTimer watchdog_;

  private slots:
    void init() {
        watchdog_.setSingleShot(true);
        watchdog_.setInterval(20000);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
            QFAIL("a modal window stayed open");
        });
        watchdog_.start();
    }
    void cleanup() {
        watchdog_.stop();
        watchdog_.disconnect();
        schliesseHilfefenster();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void endeFragtMitNeinAlsVorgabe_data() {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<bool>("aufhoeren");
        QTest::newRow("Ja") << "Ja" << true;
        QTest::newRow("Nein") << "Nein" << false;
        QTest::newRow("Enter right after opening") << "Enter" << false;
        QTest::newRow("Escape") << "Escape" << false;
        QTest::newRow("closed by the window manager") << "close" << false;
    }
    void endeFragtMitNeinAlsVorgabe() {
        QFETCH(QString, aktion);
        QFETCH(bool, aufhoeren);
        QString name;
        QWidget* fokus = nullptr;
        QPushButton* nein = nullptr;
        beiModalemFenster([&](QWidget* fenster) {
            name = fenster->objectName();
            fokus = fenster->focusWidget();
            nein = fenster->findChild<QPushButton*>(QStringLiteral("cmdENein"));
            if (aktion == "Ja") {
                fenster->findChild<QPushButton*>(QStringLiteral("cmdEJa"))->click();
            } else if (aktion == "Nein") {
                nein->click();
            } else if (aktion == "Enter") {
                QTest::keyClick(fenster->focusWidget() ? fenster->focusWidget() : fenster,
                                Qt::Key_Return);
            } else if (aktion == "Escape") {
                QTest::keyClick(fenster, Qt::Key_Escape);
            } else {
                fenster->close();
            }
        });
        QCOMPARE(frageEnde(nullptr), aufhoeren);
        QCOMPARE(name, QStringLiteral("frmEnde"));
        QVERIFY(nein);
        QCOMPARE(fokus, nein);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void endeFensterAussehen() {
        FrmEnde fenster;
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Aufhören?"));
        QCOMPARE(fenster.size(), layout::twipsRect(0, 0, 5685, 2145).size());
        QCOMPARE(hintergrund(&fenster), QColor(0xff, 0x80, 0x80));
        auto* frage = fenster.findChild<QLabel*>(QStringLiteral("lblWirklich"));
        QVERIFY(frage);
        QCOMPARE(frage->text(), QStringLiteral("Aufhören ?"));
        QCOMPARE(hintergrund(frage), QColor(0xff, 0xc0, 0xc0));
        auto* ja = fenster.findChild<QPushButton*>(QStringLiteral("cmdEJa"));
        auto* nein = fenster.findChild<QPushButton*>(QStringLiteral("cmdENein"));
        QVERIFY(ja && nein);
        QCOMPARE(ja->text(), QStringLiteral("Ja"));
        QCOMPARE(nein->text(), QStringLiteral("Nein"));
        QVERIFY(ja->x() < nein->x());
        QVERIFY(ja->font().bold() && nein->font().bold() && frage->font().bold());
        QCOMPARE(nein->nextInFocusChain(), ja);
    }

    void auflListeZeigtDenStandDerLetztenRechnung_data() {
        QTest::addColumn<QString>("liste");
        QTest::addColumn<int>("stellen");
        QTest::addColumn<QString>("stepText");
        QTest::newRow("before any calculation") << QString() << 0 << "0";
        QTest::newRow("after 8/3") << "{ 8/3, 5/3, 2/3, 3/2 }" << 3 << "3";
        QTest::newRow("negative left by the engine") << "{ 1/7 }" << -1 << "-1";
    }
    void auflListeZeigtDenStandDerLetztenRechnung() {
        QFETCH(QString, liste);
        QFETCH(int, stellen);
        QFETCH(QString, stepText);
        ModulRA modul;
        if (!liste.isNull()) {
            modul.AuflListe = liste.toStdString();
            modul.AnzahlStellen = static_cast<Int16>(stellen);
        }
        QString gezeigteListe = QStringLiteral("nicht gesehen");
        QString gezeigterStep;
        Qt::WindowModality modalitaet = Qt::NonModal;
        beiModalemFenster([&](QWidget* fenster) {
            modalitaet = fenster->windowModality();
            gezeigteListe = fenster->findChild<QLabel*>(QStringLiteral("lblListwert"))->text();
            gezeigterStep = fenster->findChild<QLabel*>(QStringLiteral("lblStpwert"))->text();
            // Later changes of the engine state do not reach an open window.
            modul.AuflListe = "{ 9 }";
            QTest::qWait(10);
            if (fenster->findChild<QLabel*>(QStringLiteral("lblListwert"))->text() !=
                gezeigteListe) {
                gezeigteListe = QStringLiteral("changed while open");
            }
            fenster->findChild<QPushButton*>(QStringLiteral("cmdEaufl"))->click();
        });
        zeigeAuflListe(nullptr, modul);
        QCOMPARE(modalitaet, Qt::ApplicationModal);
        QCOMPARE(gezeigteListe, liste.isNull() ? QString() : liste);
        QCOMPARE(gezeigterStep, stepText);
    }

    void auflListeFensterAussehen() {
        ModulRA modul;
        FrmAufloes fenster(modul);
        QCOMPARE(fenster.objectName(), QStringLiteral("frmAufloes"));
        QCOMPARE(fenster.windowTitle(), QStringLiteral("Auflösung dieser Rechenart"));
        QCOMPARE(hintergrund(&fenster), QColor(0xff, 0xff, 0xc0));
        const struct {
            const char* name;
            QString text;
        } labels[] = {{"lblstep", QStringLiteral(" Auflösungsschritte:  Step(R) =")},
                      {"lblAufliste", QStringLiteral(" Auflösungsliste:")}};
        for (const auto& label : labels) {
            auto* widget = fenster.findChild<QLabel*>(QString::fromLatin1(label.name));
            QVERIFY2(widget, label.name);
            QCOMPARE(widget->text(), label.text);
            QCOMPARE(hintergrund(widget), QColor(0xff, 0xff, 0x00));
        }
        auto* liste = fenster.findChild<QLabel*>(QStringLiteral("lblListwert"));
        QVERIFY(liste->wordWrap());
        QCOMPARE(hintergrund(liste), QColor(Qt::white));
        QCOMPARE(fenster.findChild<QPushButton*>(QStringLiteral("cmdEaufl"))->text(),
                 QStringLiteral("Zurück"));
    }

    void hilfefensterEinesJederArt_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QColor>("farbe");
        QTest::addColumn<QString>("anzeigeName");
        QTest::newRow("Funktionsweise")
            << 0 << "frmKomment"
            << "Gebrauchsanweisung" << QColor(0xff, 0xc0, 0xc0) << "rtbKomment";
        QTest::newRow("Grundlagen") << 1 << "frmGrundlagen"
                                    << "Grundlagen" << QColor(0x80, 0x80, 0xff) << "rtbGrundlagen";
        QTest::newRow("Normal") << 2 << "frmNormal"
                                << "Rechenarten mit normalalgebraischer Umschreibung"
                                << QColor(0x00, 0x80, 0x80) << "rtbNormal";
        QTest::newRow("Glossar") << 3 << "frmGlossar"
                                 << "Glossar" << QColor(0xff, 0x80, 0xff) << "rtbGlossar";
    }
    void hilfefensterEinesJederArt() {
        QFETCH(int, art);
        QFETCH(QString, name);
        QFETCH(QString, titel);
        QFETCH(QColor, farbe);
        QFETCH(QString, anzeigeName);
        const std::function<void(QWidget*)> zeige[] = {zeigeFunktionsweise, zeigeGrundlagen,
                                                       zeigeNormalalgebraische, zeigeGlossar};
        QWidget haupt;
        haupt.show();

        zeige[art](&haupt);
        QWidget* fenster = topLevel(name);
        QVERIFY(fenster);
        QCOMPARE(fenster->windowTitle(), titel);
        QCOMPARE(hintergrund(fenster), farbe);
        QCOMPARE(fenster->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(fenster->parentWidget(), nullptr);
        auto* anzeige = fenster->findChild<QTextEdit*>(anzeigeName);
        QVERIFY(anzeige);
        QVERIFY(anzeige->isReadOnly());
        QVERIFY(anzeige->document()->characterCount() > 50);
        QVERIFY(hatUnterstrichenenTitel(anzeige->document()));

        // Chosen again: the same window comes forward, no second one appears.
        fenster->showMinimized();
        zeige[art](&haupt);
        QCOMPARE(topLevel(name), fenster);
        QVERIFY(!fenster->isMinimized());

        // Once closed it is gone; choosing it again builds a fresh one.
        QPointer<QWidget> alt(fenster);
        fenster->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(alt.isNull());
        zeige[art](&haupt);
        QVERIFY(topLevel(name));
    }

    void titelzeilenDerHilfefenster() {
        zeigeFunktionsweise(nullptr);
        zeigeNormalalgebraische(nullptr);
        const struct {
            const char* fenster;
            const char* label;
            QString text;
            QColor farbe;
        } titel[] = {
            {"frmKomment", "lblGebTit",
             QStringLiteral("    Funktionsweise des Taschenrechners zur Staffellehre"),
             QColor(0xff, 0xff, 0xc0)},
            {"frmNormal", "lblUschrift",
             QStringLiteral("  Rechenarten, die normalalgebraisch berechnet werden:"),
             QColor(Qt::white)},
        };
        for (const auto& t : titel) {
            QWidget* fenster = topLevel(QString::fromLatin1(t.fenster));
            QVERIFY2(fenster, t.fenster);
            auto* label = fenster->findChild<QLabel*>(QString::fromLatin1(t.label));
            QVERIFY2(label, t.label);
            QCOMPARE(label->text(), t.text);
            QCOMPARE(hintergrund(label), t.farbe);
            QVERIFY(label->font().bold());
        }
    }

    void autorIstModalUndSperrtDieHilfefenster() {
        zeigeGlossar(nullptr);
        QWidget* glossar = topLevel(QStringLiteral("frmGlossar"));
        QVERIFY(glossar);
        QString name;
        Qt::WindowModality modalitaet = Qt::NonModal;
        bool glossarGesperrt = false;
        QString text;
        beiModalemFenster([&](QWidget* fenster) {
            name = fenster->objectName();
            modalitaet = fenster->windowModality();
            glossarGesperrt = QApplication::activeModalWidget() == fenster &&
                              fenster->windowModality() == Qt::ApplicationModal;
            text = fenster->findChild<QTextEdit*>(QStringLiteral("rtbAutor"))->toPlainText();
            auto* ok = fenster->findChild<QPushButton*>(QStringLiteral("cmdAEnde"));
            if (ok && ok->text() == QStringLiteral("ok")) ok->click();
        });
        zeigeAutor(nullptr);
        QCOMPARE(name, QStringLiteral("frmAutor"));
        QCOMPARE(modalitaet, Qt::ApplicationModal);
        QVERIFY(glossarGesperrt);
        QVERIFY(text.contains(QStringLiteral("Staffellehre")));
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(glossar->isVisible());
    }

    void glossarNenntSeineVierzehnBegriffeInDieserFolge() {
        HilfeFenster fenster(Hilfe::Glossar);
        const QStringList begriffe = fetteAbsatzAnfaenge(fenster.anzeige()->document());
        const QStringList erwartet{"Glossar",
                                   "Auflösungsliste",
                                   "auflösungsneutral",
                                   "Auflösungszahl",
                                   "Basis",
                                   "Exponent",
                                   "Grundfunktion",
                                   "Grundrechenarten",
                                   "normalalgebraisch",
                                   "Rechenart",
                                   "Rechenzahl",
                                   "Staffellehre",
                                   "Step",
                                   "Tendenzierung",
                                   "Quellrechenart"};
        QCOMPARE(begriffe, erwartet);
        const QString text = fenster.anzeige()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("siehe: Grundlagen")));
    }

    void texteZeigenSpaltenFettdruckUndSchriften() {
        HilfeFenster komment(Hilfe::Funktionsweise);
        const QString anleitung = komment.anzeige()->toPlainText();
        // The counters of the "Für Profis" section, each heading its tab-aligned line.
        qsizetype position = anleitung.indexOf(QStringLiteral("Für Profis"));
        QVERIFY(position > 0);
        for (const char* zaehler : {"Ber\t", "NA\t", "III\t", "IV\t", "G0, G1\t",
                                    "Int. G0, Int. G1\t", "Intv.\t", "Iv-Nr.\t"}) {
            const qsizetype next = anleitung.indexOf(QString::fromUtf8(zaehler), position);
            QVERIFY2(next > position, zaehler);
            position = next;
        }
        QVERIFY(!komment.anzeige()->document()->lastBlock().blockFormat().tabPositions().isEmpty());

        HilfeFenster grundlagen(Hilfe::Grundlagen);
        const QTextDocument* doc = grundlagen.anzeige()->document();
        const QTextBlock erster = doc->begin();
        QCOMPARE(erster.text().trimmed(), QStringLiteral("Grundlagen der Staffellehre:"));
        QCOMPARE(erster.begin().fragment().charFormat().fontPointSize(), 14.0);
        const QString text = doc->toPlainText();
        for (const char* zeile :
             {"R = 3\tAddition", "R = 1/3\tSubtraktion", "R = 1/5\tRadizieren o. Logarithmieren",
              "R = 1/2\tVorgänger-Funktion",
              "m[R+1, A0][b , e] := v(e-1)\tmit v(0) = b, v(n+1) = m[R , A][v(n) , b]",
              "m[1/R , A1][x , b] = e\tgenau dann, wenn m[R , A][b , e] = x"}) {
            QVERIFY2(text.contains(QString::fromUtf8(zeile)), zeile);
        }
        // Body text in Times New Roman 10 point.
        const QTextBlock rumpf = erster.next().next();
        const QTextCharFormat format = rumpf.begin().fragment().charFormat();
        QVERIFY(format.fontFamilies().toStringList().contains(QStringLiteral("Times New Roman")));
        QCOMPARE(format.fontPointSize(), 10.0);
    }
    // The main window may close while help windows stay; the program then ends with the
    // last of them. Runs the real event loop, so it comes last.
    void programmEndetMitDemLetztenFenster() {
        auto* haupt = new QWidget;
        haupt->setAttribute(Qt::WA_DeleteOnClose);
        haupt->show();
        zeigeGlossar(haupt);
        zeigeGrundlagen(haupt);
        bool glossarNachHauptfenster = false;
        bool laeuftNachGlossar = false;
        bool zeitUeberschritten = false;
        QTimer::singleShot(0, haupt, [haupt] { haupt->close(); });
        QTimer::singleShot(50, qApp, [&] {
            QWidget* glossar = topLevel(QStringLiteral("frmGlossar"));
            glossarNachHauptfenster = glossar != nullptr;
            if (glossar) glossar->close();
        });
        QTimer::singleShot(100, qApp, [&] {
            laeuftNachGlossar = true;
            if (QWidget* grundlagen = topLevel(QStringLiteral("frmGrundlagen")))
                grundlagen->close();
        });
        QTimer::singleShot(5000, qApp, [&] {
            zeitUeberschritten = true;
            QCoreApplication::quit();
        });
        QCoreApplication::exec();
        QVERIFY(glossarNachHauptfenster);
        QVERIFY(laeuftNachGlossar);
        QVERIFY(!zeitUeberschritten);
    }
};

QTEST_MAIN(TestSecondaryWindows)
#include "test_secondary_windows.moc"
