// The language switched at run time: the main window turns English at once and back to its
// exact German, and the engine's texts all have their English entries.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

#include "app/engine_texts.h"
#include "app/haupt_layout.h"
#include "app/sprache.h"
#include "app/support_fixture.h"

using namespace staffel::app;

namespace {

// Every text of the window in words: title, captions, tooltips, accessible names, menus.
QStringList texte(QWidget* fenster) {
    QStringList t{fenster->windowTitle()};
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        t << w->toolTip() << w->accessibleName();
        if (auto* label = qobject_cast<QLabel*>(w)) t << label->text();
        if (auto* knopf = qobject_cast<QAbstractButton*>(w)) t << knopf->text();
    }
    for (QAction* aktion : fenster->findChildren<QAction*>()) t << aktion->text();
    return t;
}

QTranslator* englisch() {
    return QCoreApplication::instance()->findChild<QTranslator*>();
}

// A text that reads the same in English, as its translation says; an accessible name is its
// title label's caption without the blanks.
bool gleichImEnglischen(const QString& text) {
    for (const char* kontext : {"frmHaupt", "EngineText"}) {
        if (englisch()->translate(kontext, text.toUtf8()) == text) return true;
    }
    for (const ControlRow& row : hauptLayout()) {
        const QString titel = QString::fromUtf8(row.caption);
        if (titel.simplified() == text && englisch()->translate("frmHaupt", row.caption) == titel)
            return true;
    }
    return false;
}

// The windows retranslate on the event that switching posts them.
void sprache(QWidget* fenster, const char* eintrag) {
    fenster->findChild<QAction*>(eintrag)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

}  // namespace

class TestSprache : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void mainWindowEnglishAndBack() {
        staffel::apptest::Sitzung s;
        s.eingaben("5", "0", "0", "-1");
        QVERIFY(s.rechne());
        QWidget* fenster = &s.fenster();
        const QStringList deutsch = texte(fenster);
        sprache(fenster, "mnuEnglish");
        QCOMPARE(gemerkteSprache(), Sprache::Englisch);
        const QStringList english = texte(fenster);
        QCOMPARE(english.size(), deutsch.size());
        static const QRegularExpression wort(QStringLiteral("[A-Za-zÄÖÜäöüß]"));
        for (qsizetype i = 0; i < deutsch.size(); ++i) {
            if (english[i] != deutsch[i] || !deutsch[i].contains(wort)) continue;
            QVERIFY2(gleichImEnglischen(deutsch[i]), qPrintable(deutsch[i]));
        }
        sprache(fenster, "mnuDeutsch");
        QCOMPARE(texte(fenster), deutsch);
        QCOMPARE(gemerkteSprache(), Sprache::Deutsch);
    }

    void everyEngineTextHasAnEnglishEntry() {
        QVERIFY(setzeSprache(Sprache::Englisch));
        for (const char* quelle : engineTextSources()) {
            QVERIFY2(!englisch()->translate("EngineText", quelle).isEmpty(), quelle);
        }
        QVERIFY(setzeSprache(Sprache::Deutsch));
    }
};

QTEST_MAIN(TestSprache)
#include "test_sprache.moc"
