#include "app/support_haupt_tester.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "app/frm_haupt.h"
#include "app/haupt_layout.h"

namespace staffel::apptest {

namespace {
constexpr int kCalculationTimeoutMs = 60000;
}

QWidget* HauptTester::widget(const char* name) const {
    auto* found = window_.findChild<QWidget*>(QLatin1String(name));
    if (found == nullptr) qFatal("no control named %s", name);
    return found;
}

QLineEdit* HauptTester::field(const char* name) const {
    return qobject_cast<QLineEdit*>(widget(name));
}
QLabel* HauptTester::label(const char* name) const {
    return qobject_cast<QLabel*>(widget(name));
}
QPushButton* HauptTester::button(const char* name) const {
    return qobject_cast<QPushButton*>(widget(name));
}

QString HauptTester::text(const char* name) const {
    QWidget* w = widget(name);
    if (auto* f = qobject_cast<QLineEdit*>(w)) return f->text();
    if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
    return qobject_cast<QPushButton*>(w)->text();
}

QColor HauptTester::back(const char* name) const {
    return app::backColour(widget(name));
}
QColor HauptTester::fore(const char* name) const {
    return app::foreColour(widget(name));
}

void HauptTester::setInputs(const QString& rechenart, const QString& aufzahl, const QString& basis,
                            const QString& exponent) {
    field("txtRechenart")->setText(rechenart);
    field("txtAufzahl")->setText(aufzahl);
    field("txtBasis")->setText(basis);
    field("txtExponent")->setText(exponent);
}

void HauptTester::click(const char* name) {
    QTest::mouseClick(button(name), Qt::LeftButton);
}

bool HauptTester::calculate(const char* trigger) {
    QSignalSpy finished(&window_, &app::frmHaupt::calculationFinished);
    click(trigger);
    return !finished.isEmpty() || finished.wait(kCalculationTimeoutMs);
}

bool HauptTester::waitUntilFinished() {
    if (!window_.calculationRunning()) return true;
    QSignalSpy finished(&window_, &app::frmHaupt::calculationFinished);
    return finished.wait(kCalculationTimeoutMs);
}

HauptSitzung::HauptSitzung()
    : watchdog(QTest::currentTestFunction()),
      window(std::make_unique<app::frmHaupt>()),
      t(*window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) qFatal("main window never shown");
}

HauptSitzung::~HauptSitzung() = default;

bool HauptTester::showsValid() const {
    return !widget("picJarech")->isHidden() && widget("picNorech")->isHidden() &&
           back("lblErgebnis") == QColor(0xff, 0xff, 0x00) &&
           back("lblNameRA") == QColor(0xe0, 0xe0, 0xe0);
}

bool HauptTester::showsInvalid() const {
    return widget("picJarech")->isHidden() && !widget("picNorech")->isHidden() &&
           back("lblErgebnis") == QColor(0xc0, 0xc0, 0x00);
}

}  // namespace staffel::apptest
