#include "app/secondary_windows.h"

#include <QPointer>
#include <array>

#include "app/frm_aufloes.h"
#include "app/frm_autor.h"
#include "app/frm_ende.h"
#include "app/help_window.h"
#include "app/window_design.h"

namespace staffel::app {

namespace {

// The help windows are top-level windows of their own, not children of the main window:
// they may stay open after the main window has closed, and the program then ends with the
// last of them (the application quits when its last window closes).
std::array<QPointer<HilfeFenster>, 4>& offeneHilfen() {
    static std::array<QPointer<HilfeFenster>, 4> fenster;
    return fenster;
}

void zeigeHilfe(Hilfe hilfe) {
    QPointer<HilfeFenster>& fenster = offeneHilfen()[static_cast<std::size_t>(hilfe)];
    if (!fenster) {
        fenster = new HilfeFenster(hilfe);
        fenster->setAttribute(Qt::WA_DeleteOnClose);
    }
    bringeNachVorne(fenster);
}

}  // namespace

void zeigeAuflListe(QWidget* parent, const ModulRA& modul) {
    FrmAufloes fenster(modul, parent);
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
