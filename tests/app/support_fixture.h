#pragma once

#include <QColor>
#include <QList>
#include <QStringList>
#include <QTimer>
#include <QWidgetList>
#include <memory>
#include <vector>

#include "app/main_window/frm_haupt.h"
#include "app/shared/engine_bridge.h"
#include "app/shared/message_seam.h"
#include "engine/graph/graph_einstellungen.h"
#include "engine/modul_ra.h"

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

// Every window of the program open at once, in the current language: the session's main
// window as it stands, the tape, the four help windows, the resolution list, the exit
// question, the author, the graph settings, a graph of x², and a message box of each icon.
// The modal ones are shown without waiting for an answer.
class AlleFenster {
  public:
    explicit AlleFenster(Sitzung& s);
    ~AlleFenster();
    const QWidgetList& fenster() const { return fenster_; }

  private:
    ModulRA modul_;
    app::EngineBridge bruecke_{modul_, nullptr};
    GraphEinstellungen einstellungen_;
    std::vector<std::unique_ptr<QWidget>> eigene_;
    QWidgetList fenster_;
};

}  // namespace staffel::apptest
