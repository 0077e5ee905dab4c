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

namespace {
QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}
}  // namespace

class FrmHauptKeyboardTest : public QObject {
    Q_OBJECT

    std::unique_ptr<staffel::apptest::HauptSitzung> s_;
    staffel::apptest::HauptTester* t_ = nullptr;

    // Presses key on the focused control and waits until the calculation it starts has ended.
    bool press(Qt::Key key) {
        QSignalSpy finished(s_->window.get(), &frmHaupt::calculationFinished);
        QTest::keyClick(s_->window->focusWidget(), key);
        return !finished.isEmpty() || finished.wait(30000);
    }

  private slots:
    void init() {
        s_ = std::make_unique<staffel::apptest::HauptSitzung>();
        t_ = &s_->t;
        s_->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s_->window.get()));
    }
    void cleanup() { s_.reset(); }

    void focusComesBackAndEnterPressesButtons() {
        t_->setInputs("5", "0", "2", "3");
        QLineEdit* exponent = t_->field("txtExponent");
        exponent->setFocus();
        QVERIFY(press(Qt::Key_Return));
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  8"));
        QTest::keyClick(exponent, Qt::Key_Backspace);
        QTest::keyClick(exponent, Qt::Key_4);
        QVERIFY(press(Qt::Key_Enter));
        QCOMPARE(t_->text("lblErgebnis"), QStringLiteral("  16"));
        QCOMPARE(accessibleName(t_->widget("lblErgebnis")), QStringLiteral("  16"));
        t_->widget("cmdRechne")->setFocus();
        QVERIFY(press(Qt::Key_Return));
        QCOMPARE(s_->window->focusWidget(), t_->widget("cmdRechne"));
    }

    void ctrlCCopiesTheResultUnlessAFieldHasASelection() {
        t_->setInputs("1/4", "0", "1", "2");
        QVERIFY(t_->calculate());
        QClipboard* clipboard = QGuiApplication::clipboard();
        QLineEdit* basis = t_->field("txtBasis");
        for (QWidget* focus : {static_cast<QWidget*>(basis), t_->widget("cmdMemory")}) {
            clipboard->clear();
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(clipboard->text(), QStringLiteral("0.5"));
        }
        basis->setFocus();
        basis->selectAll();
        QTest::keyClick(basis, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("1"));
    }

    void stepShowsWhileTheCalculationRuns() {
        t_->setInputs("6", "1", "1.2", "1000000000");
        t_->click("cmdRechne");
        QTRY_COMPARE(t_->text("lblStp"), QStringLiteral(" 1"));
        QVERIFY(s_->window->calculationRunning());
        QVERIFY(t_->calculate("cmdHalt"));
    }

    void everyControlHasAnAccessibleName() {
        const std::pair<const char*, const char*> names[] = {
            {"txtRechenart", "Rechenzahl"},
            {"txtAufzahl", "Auflösungszahl"},
            {"txtBasis", "Basis"},
            {"txtExponent", "Exponent"},
            {"lblErgebnis", "Ergebnis"},
            {"lblRecBer", "Rekursion Ber"},
            {"lblRecG11", "Intervall. G1"},
            {"lblAktIntv", "Iv-Nr."},
            {"picJarech", "Ergebnis ist gültig"},
            {"picNorech", "Ergebnis ungültig"},
            {"cmdEulerE", "eulersche Zahl"},
            {"cmdPi", "Pi"},
        };
        for (const auto& [control, name] : names) {
            QCOMPARE(accessibleName(t_->widget(control)), QString::fromUtf8(name));
        }
        for (const ControlRow& row : hauptLayout()) {
            if (row.kind == ControlKind::Line) continue;
            QVERIFY2(!accessibleName(t_->widget(row.name)).trimmed().isEmpty(), row.name);
        }
    }
};

QTEST_MAIN(FrmHauptKeyboardTest)
#include "test_frm_haupt_keyboard.moc"
