#include "app/calculation_printer.h"

namespace staffel::app {

// Placeholder until printing lands.
bool RechnungsDruck(const QString&) { return false; }

}  // namespace staffel::app
