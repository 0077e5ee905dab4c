// The language switched at run time: the main window turns English at once and back to its
// exact German, and the engine's texts all have their English entries.
#include <QAction>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include "app/engine_texts.h"
#include "app/sprache.h"
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
        for (const char* quelle : engineTextSources()) {
            QVERIFY2(!uebersetzer->translate("EngineText", quelle).isEmpty(), quelle);
        }
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
};

QTEST_MAIN(TestSprache)
#include "test_sprache.moc"
