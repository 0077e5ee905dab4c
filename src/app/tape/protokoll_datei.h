#pragma once

#include <QByteArray>
#include <QString>

#include "app/tape/protokoll_model.h"

namespace staffel::app {

// The tape as a UTF-8 CSV file for spreadsheets: the header
// "Rechenzahl;Auflösungszahl;Basis;Exponent;Ergebnis;Meldung;Name;gültig;Größe;Art", then one
// row per calculation. Inputs stand as typed; Ergebnis is the number as shown, empty when there
// is a Meldung, which is the engine's or else the text of the box the calculation ended with or
// was refused by; the display's padding blanks are dropped; gültig is "ja" or "nein"; Größe is
// the size of a result beyond 10^308; Art is "Wert", "abgelehnt" or "Graph".
QByteArray protokollCsv(const ProtokollZeilen& zeilen);

// The tape's lines in German (protokollText), each ended by a line break.
QString druckzeilen(const ProtokollZeilen& zeilen);

}  // namespace staffel::app
