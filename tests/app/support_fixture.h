#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/main_window/frm_haupt.h"
#include "app/shared/message_seam.h"

class QLineEdit;

namespace staffel::apptest {

// One main window for one test function, shown offscreen and driven as a user does, its
// message boxes recorded instead of shown. It closes every other modal window as it appears,
// so nothing waits for a user, unless the test answers them itself; a test that still hangs
// ends at the CTest timeout.
class Sitzung {
  public:
    Sitzung();
    ~Sitzung();
    void modaleSelbstBeantworten() { schliesser_.stop(); }

    app::FrmHaupt& fenster() { return *fenster_; }
    const QList<app::Nachricht>& meldungen() const { return meldungen_; }
    QStringList meldungsTexte() const;

    QWidget* widget(const char* name) const;
    QLineEdit* feld(const char* name) const;
    QString text(const char* name) const;  // caption of a label or button, text of a field
    QColor hinten(const char* name) const;
    void eingaben(const QString& r, const QString& a, const QString& b, const QString& e);
    void klick(const char* name);
    // Clicks the button trigger, or focuses trigger and presses taste on it, and waits until
    // the calculation has ended and its results are shown.
    bool rechne(const char* trigger = "cmdRechne", Qt::Key taste = Qt::Key_unknown);
    // Smiling face shown, straight face hidden, result label yellow; or, invalid, the opposite.
    bool zeigtGueltig(bool gueltig = true) const;

  private:
    QList<app::Nachricht> meldungen_;
    QTimer schliesser_;
    std::unique_ptr<app::FrmHaupt> fenster_;
};

}  // namespace staffel::apptest
