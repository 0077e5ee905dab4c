// One language at a time: the main window switched at run time turns English at once and back
// to its exact German; every window of the program, opened in one language, speaks only that
// language, names no procedure of the engine, and gives a screen reader a name for each
// control that tells it apart from the others.
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QListView>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

#include "app/language/engine_texts.h"
#include "app/language/groesse_worte.h"
#include "app/language/sprache.h"
#include "app/secondary/secondary_windows.h"
#include "app/shared/datei_speichern.h"
#include "app/support_fixture.h"

using namespace staffel::app;
using staffel::apptest::AlleFenster;
using staffel::apptest::Sitzung;

namespace {

QSet<QString> woerter(const QString& text) {
    static const QRegularExpression wort(QStringLiteral("\\p{L}+"));
    QSet<QString> gefunden;
    for (auto treffer = wort.globalMatch(text); treffer.hasNext();) {
        gefunden << treffer.next().captured().toLower();
    }
    return gefunden;
}

// The words that only the German sources of the translation use, and those that only its
// English translations use: either is foreign to a window in the other language.
struct FremdeWoerter {
    QSet<QString> deutsch;
    QSet<QString> englisch;
};

const FremdeWoerter& fremdeWoerter() {
    static const FremdeWoerter fremd = [] {
        QFile datei(QStringLiteral(STAFFEL_UEBERSETZUNG));
        if (!datei.open(QIODevice::ReadOnly)) qFatal("translation file missing");
        QXmlStreamReader xml(&datei);
        QSet<QString> quellen;
        QSet<QString> ziele;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source")) quellen += woerter(xml.readElementText());
            if (xml.name() == QLatin1String("translation")) ziele += woerter(xml.readElementText());
        }
        return FremdeWoerter{quellen - ziele, ziele - quellen};
    }();
    return fremd;
}

// One object of the accessibility tree as a screen reader meets it.
struct Knoten {
    QString name;
    QString beschreibung;
    QAccessible::Role rolle;
    QAccessible::State zustand;
};

void sammle(QAccessibleInterface* eltern, QList<Knoten>& knoten) {
    for (int i = 0; i < eltern->childCount(); ++i) {
        QAccessibleInterface* kind = eltern->child(i);
        if (kind == nullptr) continue;
        knoten << Knoten{kind->text(QAccessible::Name), kind->text(QAccessible::Description),
                         kind->role(), kind->state()};
        sammle(kind, knoten);
    }
}

QList<Knoten> baum(QWidget* fenster) {
    QList<Knoten> knoten;
    sammle(QAccessible::queryAccessibleInterface(fenster), knoten);
    return knoten;
}

// Every text the window shows or tells: title, captions, tooltips, menus, and the names and
// descriptions of its accessibility tree, the rows of its lists among them.
QStringList texte(QWidget* fenster) {
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        t << w->toolTip() << w->accessibleName() << w->accessibleDescription()
          << w->property("text").toString() << w->property("title").toString();
    }
    for (QAction* aktion : fenster->findChildren<QAction*>()) t << aktion->text();
    for (const Knoten& k : baum(fenster)) t << k.name << k.beschreibung;
    return t;
}

bool istMenue(QAccessible::Role rolle) {
    return rolle == QAccessible::MenuItem || rolle == QAccessible::MenuBar ||
           rolle == QAccessible::PopupMenu;
}

// The main window's texts in words: title, captions, tooltips, accessible names, menus.
QStringList hauptTexte(QWidget* fenster) {
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        t << w->toolTip() << w->accessibleName() << w->property("text").toString();
    }
    for (QAction* aktion : fenster->findChildren<QAction*>()) t << aktion->text();
    return t;
}

// Switching posts the windows the event they retranslate on.
void waehle(QWidget* fenster, const char* eintrag) {
    fenster->findChild<QAction*>(eintrag)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace

class TestAlleFenster : public QObject {
    Q_OBJECT

    // The main window after a result and after a size beyond 2^53 layers, which puts both
    // rows on the tape.
    static void rechneVor(Sitzung& s) {
        s.eingaben("7", "00", "2", "3");
        QVERIFY(s.rechne());
        s.eingaben("6", "1", "3", "1E17");
        QVERIFY(s.rechne());
    }

    static void proSprache() {
        QTest::addColumn<QString>("sprache");
        QTest::newRow("Deutsch") << "de";
        QTest::newRow("English") << "en";
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void cleanup() { setzeSprache(Sprache::Deutsch); }

    void everyTextInTheWindowsLanguage_data() { proSprache(); }
    // Nor does any text, the help's among them, name a procedure of the engine; the help quotes
    // the result label's overflow text as the window shows it.
    void everyTextInTheWindowsLanguage() {
        QFETCH(QString, sprache);
        QVERIFY(setzeSprache(*spracheAusKuerzel(sprache)));
        const QSet<QString>& fremd =
            sprache == QLatin1String("en") ? fremdeWoerter().deutsch : fremdeWoerter().englisch;
        QVERIFY(fremd.size() > 20);  // the sets are made of the file, not empty by a misreading
        Sitzung s;
        rechneVor(s);
        AlleFenster alle(s);
        const QString ueberlauf = engineText(staffel::TextId::Ueberlauf).trimmed();
        for (QWidget* fenster : alle.fenster()) {
            QStringList t = texte(fenster);
            for (const QString& text : t) {
                const QSet<QString> fremde = woerter(text) & fremd;
                QVERIFY2(fremde.isEmpty(), qPrintable(fenster->objectName() + ": " + text));
            }
            for (QTextEdit* dokument : fenster->findChildren<QTextEdit*>()) {
                t << dokument->toPlainText();
            }
            if (fenster->objectName() == QLatin1String("frmKomment")) {
                QVERIFY2(t.last().contains(ueberlauf), qPrintable(ueberlauf));
            }
            for (const char* prozedur : {"emIII", "emIV", "GegenLsg", "NARechart", "NA-Rechart"}) {
                for (const QString& text : t) {
                    QVERIFY2(!text.contains(QLatin1String(prozedur)),
                             qPrintable(fenster->objectName() + ": " + text));
                }
            }
        }
    }

    // What is copied is what the window shows, in its language: the size of the result by
    // Ctrl+C, a tape row by "Kopieren".
    void copiesAsShown_data() { proSprache(); }
    void copiesAsShown() {
        QFETCH(QString, sprache);
        const QString groesse = (sprache == QLatin1String("de") ? "mehr als" : "more than") +
                                QStringLiteral(" (10^)^9007199254740992");
        QVERIFY(setzeSprache(*spracheAusKuerzel(sprache)));
        Sitzung s;
        rechneVor(s);
        QClipboard* ablage = QGuiApplication::clipboard();
        ablage->clear();
        QTest::keyClick(s.fenster().focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(ablage->text(), groesse);

        AlleFenster alle(s);
        auto* liste = alle.fenster()[1]->findChild<QListView*>();
        const QModelIndex zeile = liste->model()->index(1, 0);
        liste->setCurrentIndex(zeile);
        QTest::mouseClick(alle.fenster()[1]->findChild<QWidget*>("cmdKopieren"), Qt::LeftButton);
        QCOMPARE(ablage->text(), zeile.data().toString());
        QVERIFY2(ablage->text().endsWith(groesse), qPrintable(ablage->text()));
    }

    // A negative size keeps its sign before the words (the positive one: copiesAsShown).
    void negativeSizeTranslated() {
        QVERIFY(setzeSprache(Sprache::Englisch));
        QCOMPARE(groesseZeile("-mehr als (10^)^9007199254740992"),
                 QStringLiteral("Size: -more than (10^)^9007199254740992"));
    }

    // As a screen reader walks each window: every name on one line and more than "step",
    // a name for whatever takes the focus, and no two controls alike. Menu entries may share
    // the name of the button that does the same.
    void accessibleNamesTellControlsApart_data() { proSprache(); }
    void accessibleNamesTellControlsApart() {
        QFETCH(QString, sprache);
        QVERIFY(setzeSprache(*spracheAusKuerzel(sprache)));
        Sitzung s;
        // Before and after a calculation: empty labels and labels showing equal counters.
        for (bool gerechnet : {false, true}) {
            if (gerechnet) rechneVor(s);
            AlleFenster alle(s);
            for (QWidget* fenster : alle.fenster()) {
                QSet<QString> gesehen;
                for (const Knoten& k : baum(fenster)) {
                    if (k.zustand.invisible) continue;
                    const QString name = k.name.simplified();
                    const QString wo = fenster->objectName() + ": «" + k.name + "»";
                    QVERIFY2(!k.name.contains(QLatin1Char('\n')), qPrintable(wo));
                    QVERIFY2(name.compare(QLatin1String("step"), Qt::CaseInsensitive) != 0,
                             qPrintable(wo));
                    QVERIFY2(!k.zustand.focusable || !name.isEmpty(),
                             qPrintable(wo + QString::number(k.rolle)));
                    if (k.rolle == QAccessible::Graphic) QVERIFY2(!name.isEmpty(), qPrintable(wo));
                    if (name.isEmpty() || istMenue(k.rolle)) continue;
                    QVERIFY2(!gesehen.contains(name), qPrintable(wo));
                    gesehen << name;
                }
            }
        }
    }

    void englishAndBack() {
        Sitzung s;
        s.eingaben("5", "0", "0", "-1");
        QVERIFY(s.rechne());
        const QStringList deutsch = hauptTexte(&s.fenster());
        waehle(&s.fenster(), "mnuEnglish");
        QCOMPARE(gemerkteSprache(), Sprache::Englisch);
        // Switched at run time, the window reads as one opened in English.
        Sitzung englisch;
        englisch.eingaben("5", "0", "0", "-1");
        QVERIFY(englisch.rechne());
        // As sets: the switched window holds a few more helper widgets without a text.
        const auto menge = [](const QStringList& t) { return QSet<QString>(t.begin(), t.end()); };
        QCOMPARE(menge(hauptTexte(&s.fenster())), menge(hauptTexte(&englisch.fenster())));
        auto* uebersetzer = QCoreApplication::instance()->findChild<QTranslator*>();
        // Every engine text by id: its source is the engine's German, and it has English.
        for (std::size_t i = 1; i < staffel::kTextIds; ++i) {
            const auto id = static_cast<staffel::TextId>(i);
            const char* quelle = engineTextQuelle(id);
            QVERIFY2(quelle != nullptr && staffel::deutsch(id) == quelle, quelle);
            QVERIFY2(!uebersetzer->translate("EngineText", quelle).isEmpty(), quelle);
        }
        QCOMPARE(engineText({staffel::TextId::NamePotenzierung, true}),
                 " Inverse of  Power:  b ^ e");
        waehle(&s.fenster(), "mnuDeutsch");
        QCOMPARE(hauptTexte(&s.fenster()), deutsch);
        QCOMPARE(gemerkteSprache(), Sprache::Deutsch);
    }

    // The start's language: --lang=… wins over the remembered choice; nothing or something
    // unknown remembered is German. The option's other form and a remembered choice:
    // app.answers_without_window. The last case leaves nothing behind.
    void startLanguageFromOptionElseRemembered() {
        const char* const faelle[][3] = {
            {"de", "--lang=en", "en"}, {"fr", "", "de"}, {"", "", "de"}};
        for (const auto& [gemerkt, option, erwartet] : faelle) {
            QSettings einstellungen;
            if (*gemerkt) {
                einstellungen.setValue("Sprache", gemerkt);
            } else {
                einstellungen.remove("Sprache");
            }
            const QStringList argumente =
                QStringLiteral("staffelrechner %1").arg(option).split(' ', Qt::SkipEmptyParts);
            QCOMPARE(sprachKuerzel(startSprache(spracheAusArgumenten(argumente))), erwartet);
        }
    }

    // Qt's own dialogs speak the window's language: in German the file dialog's overwrite
    // question and the standard buttons, whose source is English. So does the reason of a
    // failed save, and a choice the settings cannot keep is told, not lost silently.
    void qtDialogsAndSaveFailuresInTheWindowsLanguage() {
        staffel::apptest::Sitzung s;
        const char* const faelle[][5] = {
            {"de", "Die Datei %1 existiert bereits.\nSoll sie überschrieben werden?", "&Ja",
             "Den Ordner gibt es nicht.", "Keine Berechtigung, in diesen Ordner zu schreiben."},
            {"en", "%1 already exists.\nDo you want to replace it?", "&Yes",
             "The folder does not exist.", "No permission to write into this folder."}};
        for (const auto& [sprache, ueberschreiben, ja, ordnerFehlt, verboten] : faelle) {
            QVERIFY(setzeSprache(*spracheAusKuerzel(sprache)));
            QCOMPARE(QCoreApplication::translate("QFileDialog",
                                                 "%1 already exists.\nDo you want to replace it?"),
                     QString::fromUtf8(ueberschreiben));
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), ja);
            // Even root may not create files in /sys.
            for (const auto& [pfad, grund] : {std::pair{"/nonexistent/p.csv", ordnerFehlt},
                                              std::pair{"/sys/p.csv", verboten}}) {
                QVERIFY(!speichereDatei(nullptr, pfad, QByteArray("x")));
                QCOMPARE(s.meldungen().last().text.section(":\n", 1), QString::fromUtf8(grund));
            }
        }
        setzeSprache(Sprache::Deutsch);

        const QString datei = QSettings().fileName();
        QFile::remove(datei);
        QVERIFY(QDir().mkpath(datei));
        merkeSprache(Sprache::Englisch);
        QDir(datei).removeRecursively();
        QVERIFY2(s.meldungsTexte().last().startsWith("Die Sprachwahl lässt sich nicht"),
                 qPrintable(s.meldungsTexte().last()));
    }
};

QTEST_MAIN(TestAlleFenster)
#include "test_alle_fenster.moc"
