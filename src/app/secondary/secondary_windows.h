#pragma once

#include <QString>
#include <string>

class QWidget;

namespace staffel::app {

// frmAufloes, modal: the resolution list and step count of the last calculation.
void zeigeAuflListe(QWidget* parent, const std::string& auflListe, int anzahlStellen);
// frmEnde, modal: true when the user chose "Ja".
bool frageEnde(QWidget* parent);
// The four help windows: not modal, one of each, brought forward when chosen again. They are
// top-level windows of their own (the parent is not kept), so they outlive the main window.
void zeigeFunktionsweise(QWidget* parent);
void zeigeGrundlagen(QWidget* parent);
void zeigeNormalalgebraische(QWidget* parent);
void zeigeGlossar(QWidget* parent);
// frmAutor, modal.
void zeigeAutor(QWidget* parent);
// Closes whichever help windows are open. Not for the main window's close: help windows stay
// open until the user closes them, and the program ends with the last open window.
void schliesseHilfefenster();

}  // namespace staffel::app
