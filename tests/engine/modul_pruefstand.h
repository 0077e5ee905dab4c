#pragma once

#include "engine/modul_ra.h"

namespace staffel {

// The engine's procedures and state, open to its tests, benchmarks and fuzz targets, which
// look at each piece by itself where the front ends see only the answer.
class ModulRAPruefstand : public ModulRA {
  public:
    using ModulRA::ModulRA;

    using ModulRA::AktIntervall;
    using ModulRA::AnzahlIntervalle;
    using ModulRA::AnzahlStellen;
    using ModulRA::AuflListeBilden;
    using ModulRA::AufZahlAuffuellen;
    using ModulRA::AufZahlPruefen;
    using ModulRA::Berechnung;
    using ModulRA::BruchNenner;
    using ModulRA::BruchText;
    using ModulRA::BruchZaehler;
    using ModulRA::emIII;
    using ModulRA::emIV;
    using ModulRA::Ergebnis;
    using ModulRA::Fehlerstatus;
    using ModulRA::fehlschlaege_;
    using ModulRA::GegenLsg0;
    using ModulRA::GegenLsg1;
    using ModulRA::GrenzwertModus;
    using ModulRA::Meldung;
    using ModulRA::MeldungId;
    using ModulRA::NameRechenart;
    using ModulRA::NARechart;
    using ModulRA::RDezimal;
    using ModulRA::RechenartText;
    using ModulRA::RechenzahlLesen;
    using ModulRA::RZaehler;
    using ModulRA::ZaehlerBer;
    using ModulRA::ZaehlerG0;
    using ModulRA::ZaehlerG00;
    using ModulRA::ZaehlerG1;
    using ModulRA::ZaehlerG11;
    using ModulRA::ZaehlerIII;
    using ModulRA::ZaehlerIV;
};

}  // namespace staffel
