// The language switched at run time: the main window turns English at once and back to its
// exact German, and the engine's texts all have their English entries.
#include <QAction>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include "app/language/engine_texts.h"
#include "app/language/sprache.h"
#include "app/shared/datei_speichern.h"
#include "app/support_fixture.h"

using namespace staffel::app;

namespace {

// Every text of the window in words: title, captions, tooltips, accessible names, menus.
QStringList texte(QWidget* fenster) {
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

class TestSprache : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void englishAndBack() {
        staffel::apptest::Sitzung s;
        s.eingaben("5", "0", "0", "-1");
        QVERIFY(s.rechne());
        const QStringList deutsch = texte(&s.fenster());
        waehle(&s.fenster(), "mnuEnglish");
        QCOMPARE(gemerkteSprache(), Sprache::Englisch);
        const QStringList english = texte(&s.fenster());
        QCOMPARE(english.size(), deutsch.size());
        auto* uebersetzer = QCoreApplication::instance()->findChild<QTranslator*>();
        // What still reads the same must be so in English too; an accessible name is its title
        // label's caption without the leading blank.
        const auto gleich = [uebersetzer](const QString& text) {
            for (const QString& quelle : {text, ' ' + text}) {
                for (const char* kontext : {"frmHaupt", "EngineText"}) {
                    if (uebersetzer->translate(kontext, quelle.toUtf8()) == quelle) return true;
                }
            }
            return false;
        };
        static const QRegularExpression wort(QStringLiteral("[A-Za-zÄÖÜäöüß]"));
        for (qsizetype i = 0; i < deutsch.size(); ++i) {
            if (english[i] == deutsch[i] && deutsch[i].contains(wort)) {
                QVERIFY2(gleich(deutsch[i]), qPrintable(deutsch[i]));
            }
        }
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
        QCOMPARE(texte(&s.fenster()), deutsch);
        QCOMPARE(gemerkteSprache(), Sprache::Deutsch);
    }

    // The start's language: --lang wins over the remembered choice, which wins over German;
    // nothing or something unknown remembered is German. The last case leaves nothing behind.
    void startLanguageFromOptionElseRemembered() {
        const char* const faelle[][3] = {{"en", "", "en"},
                                         {"en", "--lang de", "de"},
                                         {"de", "--lang=en", "en"},
                                         {"fr", "", "de"},
                                         {"", "", "de"}};
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

QTEST_MAIN(TestSprache)
#include "test_sprache.moc"
