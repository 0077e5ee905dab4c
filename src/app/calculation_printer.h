#pragma once

#include <QString>

class QWidget;

namespace staffel::app {

// Prints one calculation line («m[4 , 0][2 , 3] =   6») in the font "arial" on the
// default printer, one page per call. Returns false when printing was not possible.
bool RechnungsDruck(const QString& zeile);

}  // namespace staffel::app
