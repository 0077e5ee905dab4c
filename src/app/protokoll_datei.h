#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

#include "app/protokoll_model.h"

namespace staffel::app {

// The tape as a UTF-8 CSV file for spreadsheets: the header
// "Rechenzahl;Auflösungszahl;Basis;Exponent;Ergebnis;Meldung;Name;gültig", then one row per
// calculation. Inputs stand as typed; Ergebnis is the number as shown (empty when there is a
// Meldung); the display's padding blanks are dropped; gültig is "ja" or "nein".
QByteArray protokollCsv(const std::vector<ProtokollZeile>& zeilen);

// The printed lines, each ended by a line break.
QString druckzeilen(const std::vector<ProtokollZeile>& zeilen);

}  // namespace staffel::app
