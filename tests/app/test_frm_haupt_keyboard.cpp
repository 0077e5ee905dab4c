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
#include "app/support_haupt_tester.h"

using namespace staffel::app;
using staffel::apptest::HauptSitzung;

namespace {
QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// Presses key on the focused control and waits until the calculation it starts has ended.
bool press(HauptSitzung& s, Qt::Key key) {
    QSignalSpy finished(s.window.get(), &frmHaupt::calculationFinished);
    QTest::keyClick(s.window->focusWidget(), key);
    return !finished.isEmpty() || finished.wait(30000);
}
}  // namespace

class FrmHauptKeyboardTest : public QObject {
    Q_OBJECT

  private slots:
    void focusComesBackAndEnterPressesButtons() {
        HauptSitzung s;
        s.t.setInputs("5", "0", "2", "3");
        s.t.field("txtExponent")->setFocus();
        QVERIFY(press(s, Qt::Key_Return));
        QTest::keyClicks(s.t.field("txtExponent"), QStringLiteral("\b4"));
        QVERIFY(press(s, Qt::Key_Enter));
        QCOMPARE(accessibleName(s.t.widget("lblErgebnis")), QStringLiteral("  16"));
        s.t.widget("cmdRechne")->setFocus();
        QVERIFY(press(s, Qt::Key_Return));
        QCOMPARE(s.window->focusWidget(), s.t.widget("cmdRechne"));
    }

    void ctrlCCopiesTheResultUnlessAFieldHasASelection() {
        HauptSitzung s;
        s.t.setInputs("1/4", "0", "1", "2");
        QVERIFY(s.t.calculate());
        const auto copy = [&s](const char* focus) {
            QGuiApplication::clipboard()->clear();
            s.t.widget(focus)->setFocus();
            QTest::keyClick(s.t.widget(focus), Qt::Key_C, Qt::ControlModifier);
            return QGuiApplication::clipboard()->text();
        };
        QCOMPARE(copy("txtBasis"), QStringLiteral("0.5"));
        QCOMPARE(copy("cmdMemory"), QStringLiteral("0.5"));
        s.t.field("txtBasis")->selectAll();
        QCOMPARE(copy("txtBasis"), QStringLiteral("1"));
    }

    void stepShowsWhileTheCalculationRuns() {
        HauptSitzung s;
        s.t.setInputs("6", "1", "1.2", "1000000000");
        s.t.click("cmdRechne");
        QTRY_COMPARE(s.t.text("lblStp"), QStringLiteral(" 1"));
        QVERIFY(s.window->calculationRunning());
        QVERIFY(s.t.calculate("cmdHalt"));
    }

    void everyControlHasAnAccessibleName() {
        HauptSitzung s;
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
            QCOMPARE(accessibleName(s.t.widget(name[0])), QString::fromUtf8(name[1]));
        }
        for (const ControlRow& row : hauptLayout()) {
            if (row.kind == ControlKind::Line) continue;
            QVERIFY2(!accessibleName(s.t.widget(row.name)).trimmed().isEmpty(), row.name);
        }
    }
};

QTEST_MAIN(FrmHauptKeyboardTest)
#include "test_frm_haupt_keyboard.moc"
