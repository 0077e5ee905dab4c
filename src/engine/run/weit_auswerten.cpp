#include <cmath>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/closed_forms/closed_form_table.h"
#include "engine/modul_ra.h"
#include "engine/run/antwort.h"
#include "engine/run/rechnen.h"
#include "engine/size/groesse.h"

namespace staffel {

namespace {

// What a closed form's domain checks see of a wide number: beyond the doubles a double of the
// same sign far from every bound the checks name (and whole, as every double that large is);
// within them its double, where the interval holds no whole number it could be mistaken
// for. nullopt where the checks could go either way.
std::optional<double> stellvertreter(const Stufenzahl& x) {
    if (jenseitsDerDoubles(x)) return x.vorzeichen * 1e300;
    const std::optional<double> wert = alsDouble(x);
    if (!wert) return std::nullopt;
    if (x.stufen == 0 && mpfr_equal_p(x.betrag.lo, x.betrag.hi)) return wert;
    if (std::floor(*wert) == *wert) return std::nullopt;
    return wert;
}

}  // namespace

bool ModulRA::weitAuswerten(const Werte& werte, Antwort& antwort) {
    const Stufenzahl b = werte.basisWeit.value_or(alsStufenzahl(werte.basis));
    const Stufenzahl e = werte.exponentWeit.value_or(alsStufenzahl(werte.exponent));
    const auto ablehnen = [&](TextId meldung) {
        FehlerMeldung(meldung);
        antwort.ausgang = RechenAusgang::ZahlAbgelehnt;
        return false;
    };
    // The limits take their own rules on doubles.
    if (GrenzwertModus) return ablehnen(TextId::ZahlAusserhalb);

    ZaehlerBer.bump();
    RechenzahlWert = static_cast<double>(RZaehler) / static_cast<double>(RNenner);
    const int fall = closedFormCase(RZaehler, RNenner, AufZahl);
    if (fall != 0) {
        // The form's own domain checks decide on stand-ins; only a value they let through, or
        // one that overflowed the doubles, is computed wide.
        ZaehlerNA.bump();
        NAGefunden = 1;
        nameSetzen(closed_form::row(fall).name);
        const std::optional<double> bStatt = stellvertreter(b);
        const std::optional<double> eStatt = stellvertreter(e);
        if (!bStatt || !eStatt) return ablehnen(TextId::ZahlAusserhalb);
        Ergebnis = NAWert(fall, *bStatt, *eStatt);
        const bool ueberlauf =
            Fehlerstatus == Fehler::Laufzeitfehler && MeldungId == TextId::Ueberlauf;
        if (!ueberlauf && (Fehlerstatus != Fehler::Keiner || MeldungId != TextId::Keine)) {
            return true;
        }
        meldungLoeschen();
        Fehlerstatus = Fehler::Keiner;
    }

    WeiterWeg weg;
    const OptStufenzahl x = WeitBerechnen(RZaehler, RNenner, AufZahl, b, e, *this, &weg);
    if (weg.rekursion) {
        ZaehlerIII.bump();
        NameUnbekannt = 1;
    }
    if (haltBefolgen()) {
        meldungSetzen(TextId::Angehalten);
        Fehlerstatus = Fehler::Gemeldet;
        return true;
    }
    if (x && jenseitsDerDoubles(*x)) {
        // The size follows from the same inputs, as for any result beyond the doubles.
        meldungSetzen(TextId::Ueberlauf);
        Fehlerstatus = Fehler::Laufzeitfehler;
        Ergebnis = GroessteZahl;
        return true;
    }
    if (const std::optional<double> wert = x ? alsDouble(*x) : std::nullopt) {
        Ergebnis = *wert;
        return true;
    }
    const bool inverse = fall == 0 && RNenner != 1 && RechenzahlWert > 0 && RechenzahlWert < 1;
    if (inverse) return weitGegenrechnen(b, e, antwort);
    return ablehnen(TextId::ZahlAusserhalb);
}

}  // namespace staffel
