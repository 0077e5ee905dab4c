// The window driven from the keyboard: focus after a run, Enter on buttons, Ctrl+C, the step
// label during a run, and the names a screen reader announces.
#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/haupt_layout.h"
#include "app/support_fixture.h"

using namespace staffel::app;
using staffel::apptest::Sitzung;

namespace {
QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Presses key on the focused control and waits until the calculation it starts has ended.
bool press(Sitzung& s, Qt::Key key) {
    QSignalSpy finished(&s.fenster(), &frmHaupt::calculationFinished);
    QTest::keyClick(s.fenster().focusWidget(), key);
    return !finished.isEmpty() || finished.wait(30000);
}
}  // namespace

class FrmHauptKeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void focusComesBackAndEnterPressesButtons() {
        Sitzung s;
        s.eingaben("5", "0", "2", "3");
        s.feld("txtExponent")->setFocus();
        QVERIFY(press(s, Qt::Key_Return));
        QTest::keyClicks(s.feld("txtExponent"), QStringLiteral("\b4"));
        QVERIFY(press(s, Qt::Key_Enter));
        QCOMPARE(accessibleName(s.widget("lblErgebnis")), QStringLiteral("  16"));
        s.widget("cmdRechne")->setFocus();
        QVERIFY(press(s, Qt::Key_Return));
        QCOMPARE(s.fenster().focusWidget(), s.widget("cmdRechne"));
    }

    void ctrlCCopiesTheResultUnlessAFieldHasASelection() {
        Sitzung s;
        s.eingaben("1/4", "0", "1", "2");
        QVERIFY(s.rechne());
        const auto copy = [&s](const char* focus) {
            QGuiApplication::clipboard()->clear();
            s.widget(focus)->setFocus();
            QTest::keyClick(s.widget(focus), Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->text();
        };
        QCOMPARE(copy("txtBasis"), QStringLiteral("0.5"));
        QCOMPARE(copy("cmdMemory"), QStringLiteral("0.5"));
        s.feld("txtBasis")->selectAll();
        QCOMPARE(copy("txtBasis"), QStringLiteral("1"));
    }

    void stepShowsWhileTheCalculationRuns() {
        Sitzung s;
        s.eingaben("6", "1", "1.2", "1000000000");
        s.klick("cmdRechne");
        QTRY_COMPARE(s.text("lblStp"), QStringLiteral(" 1"));
        QVERIFY(s.fenster().calculationRunning());
        QVERIFY(s.rechne("cmdHalt"));
    }

    void everyControlHasAnAccessibleName() {
        Sitzung s;
        const char* const names[][2] = {
            {"txtRechenart", "Rechenzahl"},
            {"txtAufzahl", "Auflösungszahl"},
            {"txtBasis", "Basis"},
            {"txtExponent", "Exponent"},
            {"lblErgebnis", "Ergebnis"},
            {"lblRecBer", "Rekursion Ber"},
            {"picJarech", "Ergebnis ist gültig"},
            {"cmdPi", "Pi"},
        };
        for (const auto& name : names) {
            QCOMPARE(accessibleName(s.widget(name[0])), QString::fromUtf8(name[1]));
        }
        for (const ControlRow& row : hauptLayout()) {
            if (row.kind == ControlKind::Line) continue;
            QVERIFY2(!accessibleName(s.widget(row.name)).trimmed().isEmpty(), row.name);
        }
    }
};

QTEST_MAIN(FrmHauptKeyboardTest)
#include "test_frm_haupt_keyboard.moc"
