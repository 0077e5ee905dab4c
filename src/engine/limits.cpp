#include "engine/modul_ra.h"

namespace staffel {

// Placeholder until the limit rules land: every limit is unknown.
void ModulRA::Grenzwertregeln(Int16, Int16, double, std::string_view) {
    Meldung = " Grenzwert??";
    FehlerMeldung(" In diesem Fall ist der Grenzwert unbekannt!");
}

}  // namespace staffel
