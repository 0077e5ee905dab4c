#include "app/calculation_printer.h"

namespace staffel::app {

// Placeholder until printing lands.
void RechnungsDrucker::setzeAktiv(bool aktiv) {
    aktiv_ = aktiv;
    gewarnt_ = false;
}

void RechnungsDrucker::RechnungsDruck(QWidget*, const QString&) {}

}  // namespace staffel::app
