#include "app/secondary/secondary_windows.h"

#include <QPointer>
#include <algorithm>
#include <array>
#include <cstdlib>

#include "app/secondary/frm_aufloes.h"
#include "app/secondary/frm_autor.h"
#include "app/secondary/frm_ende.h"
#include "app/secondary/help_window.h"
#include "app/shared/window_design.h"

namespace staffel::app {

namespace {

// The help windows are top-level windows of their own, not children of the main window:
// they may stay open after the main window has closed, and the program then ends with the
// last of them (the application quits when its last window closes).
std::array<QPointer<HilfeFenster>, 4>& offeneHilfen() {
    static std::array<QPointer<HilfeFenster>, 4> fenster;
    return fenster;
}

// Moves down and right by this much while its title bar would hide that of an open one.
constexpr int kKaskade = 30;  // pixels, about a title bar's height

// A new help window opens cascaded over the open ones, each title in sight. The designed
// places lie close to each other (two of them at the same place), and the windows, all wider
// than their horizontal distances, always overlap.
void kaskadiere(HilfeFenster* neu) {
    QRect lage = neu->geometry();
    const auto verdeckt = [&lage, neu] {
        return std::ranges::any_of(offeneHilfen(), [&lage, neu](const QPointer<HilfeFenster>& f) {
            return f && f != neu && f->isVisible() &&
                   std::abs(f->geometry().top() - lage.top()) < kKaskade;
        });
    };
    while (verdeckt()) lage.translate(kKaskade, kKaskade);
    neu->setGeometry(lage);
}

void zeigeHilfe(Hilfe hilfe) {
    QPointer<HilfeFenster>& fenster = offeneHilfen()[static_cast<std::size_t>(hilfe)];
    if (!fenster) {
        fenster = new HilfeFenster(hilfe);
        fenster->setAttribute(Qt::WA_DeleteOnClose);
        kaskadiere(fenster);
    }
    bringeNachVorne(fenster);
}

}  // namespace

void zeigeAuflListe(QWidget* parent, const std::string& auflListe, int anzahlStellen) {
    FrmAufloes fenster(auflListe, anzahlStellen, parent);
    fenster.exec();
}

bool frageEnde(QWidget* parent) {
    FrmEnde fenster(parent);
    return fenster.exec() == QDialog::Accepted;
}

void zeigeFunktionsweise(QWidget*) {
    zeigeHilfe(Hilfe::Funktionsweise);
}
void zeigeGrundlagen(QWidget*) {
    zeigeHilfe(Hilfe::Grundlagen);
}
void zeigeNormalalgebraische(QWidget*) {
    zeigeHilfe(Hilfe::Normal);
}
void zeigeGlossar(QWidget*) {
    zeigeHilfe(Hilfe::Glossar);
}

void zeigeAutor(QWidget* parent) {
    FrmAutor fenster(parent);
    fenster.exec();
}

void schliesseHilfefenster() {
    for (QPointer<HilfeFenster>& fenster : offeneHilfen()) {
        if (fenster) fenster->close();
    }
}

}  // namespace staffel::app
