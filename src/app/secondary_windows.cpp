#include "app/secondary_windows.h"

namespace staffel::app {

// Placeholders until the secondary windows land.
void zeigeAuflListe(QWidget*, const ModulRA&) {}
bool frageEnde(QWidget*) { return true; }
void zeigeFunktionsweise(QWidget*) {}
void zeigeGrundlagen(QWidget*) {}
void zeigeNormalalgebraische(QWidget*) {}
void zeigeGlossar(QWidget*) {}
void zeigeAutor(QWidget*) {}
void schliesseHilfefenster() {}

}  // namespace staffel::app
