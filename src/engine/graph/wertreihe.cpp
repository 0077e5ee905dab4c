#include "engine/graph/wertreihe.h"

#include <cmath>
#include <limits>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/graph/skala.h"
#include "engine/graph/ueberlauf_skala.h"
#include "engine/run/antwort.h"
#include "engine/size/groesse.h"

namespace staffel {

namespace {
// What the texts of b and e stand in for while R and A are read: neither is empty nor "x".
constexpr const char* kPlatzhalter = "0";
}  // namespace

Wertreihe::Wertreihe(const std::string& rechenart, const std::string& aufzahl) {
    Antwort antwort;
    auswerten_ =
        vorlage_.eingabenLesen({rechenart, aufzahl, kPlatzhalter, kPlatzhalter}, antwort, {});
    if (auswerten_ && vorlage_.RNenner == 1) {
        geschlosseneForm_ = closedFormCase(vorlage_.RZaehler, 1, vorlage_.AufZahl);
    }
}

Wertreihe::Wert Wertreihe::rechne(ModulRA& m, double b, double e, Skala skala) const {
    constexpr double kKeinWert = std::numeric_limits<double>::quiet_NaN();
    if (!auswerten_) return {kKeinWert, false, vorlage_.Fehlerstatus};
    // The shortest text of a finite double reads back to it (ZahlLesen is exact). Infinity
    // and NaN have no such text: they are refused like a text beyond the double range.
    if (!std::isfinite(b) || !std::isfinite(e)) return {kKeinWert, false, Fehler::Gemeldet};

    // Every field that EingabenLesen writes.
    m.Fehlerstatus = vorlage_.Fehlerstatus;
    m.Meldung = vorlage_.Meldung;
    m.MeldungId = vorlage_.MeldungId;
    m.RechenartText = vorlage_.RechenartText;
    m.BasisText = vorlage_.BasisText;
    m.ExponentText = vorlage_.ExponentText;
    m.AufZahlText = vorlage_.AufZahlText;
    m.AufZahl = vorlage_.AufZahl;
    m.BruchZaehler = vorlage_.BruchZaehler;
    m.BruchNenner = vorlage_.BruchNenner;
    m.BruchText = vorlage_.BruchText;
    m.RDezimal = vorlage_.RDezimal;
    m.RZaehler = vorlage_.RZaehler;
    m.RNenner = vorlage_.RNenner;
    m.AuflListe = vorlage_.AuflListe;
    m.AnzahlStellen = vorlage_.AnzahlStellen;
    m.BasisWert = b;
    m.ExponentWert = e;

    m.auswerten();
    const bool gueltig = m.Fehlerstatus == Fehler::Keiner && m.MeldungId == TextId::Keine;
    Wert wert{gueltig && std::isfinite(m.Ergebnis) ? m.Ergebnis : kKeinWert, gueltig,
              m.Fehlerstatus};
    if (skala == Skala::Wert) return wert;
    if (gueltig) {
        wert.ergebnis = graph::inSkala(skala, m.Ergebnis).value_or(kKeinWert);
    } else if (m.Fehlerstatus == Fehler::Laufzeitfehler && m.RNenner == 1 && !m.wurdeAngehalten()) {
        if (const auto schnell = graph::ueberlaufInSkala(
                skala, m.MeldungId == TextId::Ueberlauf ? geschlosseneForm_ : 0, b, e)) {
            wert.ergebnis = *schnell;
            return wert;
        }
        // The same size the answer names, so the scales agree with rechne().
        if (const OptStufenzahl groesse = GroesseStufen(m.RZaehler, m.AufZahl, b, e, m);
            groesse && groesse->stufen > 0) {
            wert.ergebnis = graph::inSkala(skala, *groesse).value_or(kKeinWert);
        }
    }
    return wert;
}

}  // namespace staffel
