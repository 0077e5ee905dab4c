#pragma once

#include <QColor>
#include <QString>
#include <memory>

#include "app/support_message_recorder.h"
#include "app/support_watchdog.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace staffel::app {
class frmHaupt;
}

namespace staffel::apptest {

// Drives the main window the way a user does: controls are found by their names.
class HauptTester {
  public:
    explicit HauptTester(app::frmHaupt& window) : window_(window) {}

    QWidget* widget(const char* name) const;
    QLineEdit* field(const char* name) const;
    QLabel* label(const char* name) const;
    QPushButton* button(const char* name) const;

    // Caption of a label or text of a field.
    QString text(const char* name) const;
    QColor back(const char* name) const;
    QColor fore(const char* name) const;

    void setInputs(const QString& rechenart, const QString& aufzahl, const QString& basis,
                   const QString& exponent);
    void click(const char* name);

    // Runs trigger (by default a click on "Rechne !") and waits until the calculation has
    // ended and its results are shown; false if it never ended.
    bool calculate(const char* trigger = "cmdRechne");
    bool waitUntilFinished();

    // Valid display: smiling face shown, straight face hidden, result label yellow.
    bool showsValid() const;
    bool showsInvalid() const;

  private:
    app::frmHaupt& window_;
};

// The counter labels of the recursion, in the order the window shows them.
inline const char* const kRecursionLabels[] = {"lblRecBer", "lblRecIII", "lblRecNA",  "lblRecIV",
                                               "lblRecG0",  "lblRecG1",  "lblRecG00", "lblRecG11"};

// One main window shown for one test function, guarded by a watchdog, with its message boxes
// recorded. Members are destroyed in reverse order: the window before the recorder and guard.
struct HauptSitzung {
    HauptSitzung();
    ~HauptSitzung();
    Watchdog watchdog;
    MessageRecorder messages;
    std::unique_ptr<app::frmHaupt> window;
    HauptTester t;
};

}  // namespace staffel::apptest
