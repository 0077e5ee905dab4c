#pragma once

#include <QString>

class QWidget;

namespace staffel {
class ModulRA;
}

namespace staffel::app {

// frmAufloes, modal: the resolution list and step count of the last calculation.
void zeigeAuflListe(QWidget* parent, const ModulRA& modul);
// frmEnde, modal: true when the user chose "Ja".
bool frageEnde(QWidget* parent);
// The four help windows: not modal, one of each, brought forward when chosen again.
void zeigeFunktionsweise(QWidget* parent);
void zeigeGrundlagen(QWidget* parent);
void zeigeNormalalgebraische(QWidget* parent);
void zeigeGlossar(QWidget* parent);
// frmAutor, modal.
void zeigeAutor(QWidget* parent);
// Closes the help windows (used when the program ends).
void schliesseHilfefenster();

}  // namespace staffel::app
