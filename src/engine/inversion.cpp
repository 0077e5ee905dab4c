#include "engine/modul_ra.h"

namespace staffel {

// Placeholder until the solvers land.
double ModulRA::emIV(Int16, Int16, double, double, std::string_view) {
    ZaehlerIV.bump();
    Fehlerstatus = 1;
    Meldung = texte::Unklar;
    return 0;
}

double ModulRA::GegenLsg0(Int16, Int16, double, double, std::string_view) { return 0; }
double ModulRA::GegenLsg1(Int16, Int16, double, double, std::string_view) { return 0; }

}  // namespace staffel
