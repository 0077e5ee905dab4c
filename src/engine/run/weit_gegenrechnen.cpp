#include "engine/closed_forms/closed_form_table.h"
#include "engine/modul_ra.h"
#include "engine/run/antwort.h"
#include "engine/solvers/weite_suche.h"

namespace staffel {

// The counters read as for the solvers, once each: IV and G0 (G1 for a sought exponent) for
// the search, Int. G0 (Int. G1) its bisection steps, Intv. and Iv-Nr. 1 once b was bracketed;
// NA and III once when the forward operation was a closed form or ran the recursion.
bool ModulRA::weitGegenrechnen(const Stufenzahl& b, const Stufenzahl& e, Antwort& antwort) {
    const char ziffer = AufZahl.empty() ? '\0' : AufZahl.back();
    const std::string_view vorwaerts =
        std::string_view(AufZahl).substr(0, AufZahl.empty() ? 0 : AufZahl.size() - 1);
    const std::function<bool()> angehalten = [this] { return haltBefolgen(); };
    using Ausgang = solver::WeiteLoesung::Ausgang;
    const solver::WeiteLoesung l =
        ziffer == '0' || ziffer == '1'
            ? solver::weitLoesen({RNenner, RZaehler, vorwaerts, ziffer == '0', b, e}, *this,
                                 angehalten)
            : solver::WeiteLoesung{};
    if (l.ausgang == Ausgang::OhneGroesse) {
        FehlerMeldung(TextId::GegenrechenartWeit);
        antwort.ausgang = RechenAusgang::ZahlAbgelehnt;
        return false;
    }

    ZaehlerIV.bump();
    if (ziffer == '0') {
        ZaehlerG0.bump();
        ZaehlerG00 = l.schritte;
    } else {
        ZaehlerG1.bump();
        ZaehlerG11 = l.schritte;
    }
    AnzahlIntervalle = l.geklammert ? 1 : 0;
    AktIntervall = l.geklammert ? 1 : 0;
    if (l.weg.form != 0) {
        ZaehlerNA.bump();
        nameSetzen(closed_form::row(l.weg.form).name);
    }
    if (l.weg.rekursion) {
        ZaehlerIII.bump();
        NameUnbekannt = 1;
    }

    Ergebnis = 0;
    switch (l.ausgang) {
        case Ausgang::Loesung:
            Ergebnis = l.loesung;
            if (!NameRechenartId.gegenrechenart) gegenrechenartVorsetzen();
            break;
        case Ausgang::Keine:
            meldungSetzen(TextId::KeineLoesung);
            Fehlerstatus = Fehler::Gemeldet;
            break;
        case Ausgang::Unsicher:
        case Ausgang::OhneGroesse:  // refused above
            meldungSetzen(TextId::KeineSichereLoesung);
            Fehlerstatus = Fehler::Gemeldet;
            break;
        case Ausgang::Angehalten:
            meldungSetzen(TextId::Angehalten);
            Fehlerstatus = Fehler::Gemeldet;
            break;
    }
    return true;
}

}  // namespace staffel
