#include "engine/run/rechnen.h"

#include "engine/numbers/number_text.h"
#include "engine/size/groesse.h"

namespace staffel {

namespace {

bool istX(const std::string& text) {
    return text == "x" || text == "X";
}
}  // namespace

std::string FormatErgebnis(double ergebnis, const std::string& meldung) {
    std::string text = " " + (meldung.empty() ? ZahlText(ergebnis) : meldung);
    const auto punkt = text.find('.');
    if (punkt == 2) text.insert(2, 1, '0');
    return text;
}

Werte WerteLesen(std::string_view basisText, std::string_view exponentText) {
    const GelesenerWert basis = ZahlLesen(basisText);
    const GelesenerWert exponent = ZahlLesen(exponentText);
    return {basis.wert, exponent.wert, basis.ausserhalb || exponent.ausserhalb};
}

bool EingabenLesen(ModulRA& m, const RechenEingabe& eingabe, RechenAnzeige& anzeige,
                   const std::function<void(const std::string&)>& stepGebildet) {
    m.Fehlerstatus = Fehler::Keiner;
    m.Groesse.reset();
    // A halt belongs to the run it stopped; a new run on the same inputs must not
    // report a halt that never happened to it.
    if (m.MeldungId == TextId::Angehalten) m.meldungLoeschen();

    m.RechenartText = eingabe.rechenart;
    m.BasisText = Trimmen(eingabe.basis);
    m.ExponentText = Trimmen(eingabe.exponent);
    m.AufZahlText = Trimmen(eingabe.aufzahl);
    m.AufZahl = m.AufZahlText;

    if (m.BasisText.empty() || m.RechenartText.empty() || m.ExponentText.empty()) {
        m.FehlerMeldung(TextId::EingabeFehlt);
        anzeige.ausgang = RechenAusgang::EingabeFehlt;
        return false;
    }

    if (auto fehler = m.RechenzahlLesen(m.RechenartText)) {
        m.FehlerMeldung(*fehler);
        anzeige.ausgang = RechenAusgang::RechenzahlAbgelehnt;
        return false;
    }
    KommaZuPunkt(m.BasisText);
    KommaZuPunkt(m.ExponentText);
    m.RZaehler = m.BruchZaehler;
    m.RNenner = m.BruchNenner;

    if (auto fehler = m.AuflListeBilden(m.BruchZaehler, m.BruchNenner, m.RDezimal)) {
        m.FehlerMeldung(*fehler);
        anzeige.ausgang = RechenAusgang::RechenzahlAbgelehnt;
        return false;
    }
    anzeige.stepText = ZahlText(m.AnzahlStellen);
    if (stepGebildet) stepGebildet(*anzeige.stepText);
    anzeige.aufzahlGesperrt = m.AnzahlStellen == 0;

    m.AufZahlPruefen(m.AufZahlText);
    m.AufZahl = m.AufZahlText;
    if (m.Fehlerstatus == Fehler::Gemeldet) {
        anzeige.ausgang = RechenAusgang::AufZahlAbgelehnt;
        return false;
    }

    const Werte werte = WerteLesen(m.BasisText, m.ExponentText);
    if (werte.ausserhalb) {
        m.FehlerMeldung(TextId::ZahlAusserhalb);
        anzeige.ausgang = RechenAusgang::ZahlAbgelehnt;
        return false;
    }
    m.BasisWert = werte.basis;
    m.ExponentWert = werte.exponent;

    if (istX(m.BasisText) || istX(m.ExponentText)) {
        if (m.BasisText == "X") m.BasisText = "x";
        if (m.ExponentText == "X") m.ExponentText = "x";
        m.FormelBilden();
        anzeige.ausgang = RechenAusgang::Graph;
        return false;
    }
    return true;
}

void Auswerten(ModulRA& m) {
    m.Berechnung(m.RZaehler, m.RNenner, m.BasisWert, m.ExponentWert, m.AufZahl);
    if (m.wurdeAngehalten()) {
        m.meldungSetzen(TextId::Angehalten);
        if (m.Fehlerstatus == Fehler::Keiner) m.Fehlerstatus = Fehler::Gemeldet;
    }
}

RechenAnzeige Rechne(ModulRA& m, const RechenEingabe& eingabe,
                     const std::function<void(const std::string&)>& stepGebildet) {
    RechenAnzeige anzeige;
    if (!EingabenLesen(m, eingabe, anzeige, stepGebildet)) return anzeige;
    Auswerten(m);
    m.NameHyperEins();
    // A run-time fault without a message: a recursion's pass count left 32 bits, the other
    // way a whole Rechenzahl outgrows the doubles.
    if (m.Fehlerstatus == Fehler::Laufzeitfehler &&
        (m.MeldungId == TextId::Ueberlauf || m.MeldungId == TextId::Keine) && m.RNenner == 1 &&
        !m.GrenzwertModus && !m.wurdeAngehalten()) {
        m.Groesse = GroesseBerechnen(m.RZaehler, m.AufZahl, m.BasisWert, m.ExponentWert, m);
    }

    anzeige.ausgang = RechenAusgang::Wert;
    anzeige.nameId =
        m.NameUnbekannt == 0 ? m.NameRechenartId : RechenartName{TextId::NameUnbekannt};
    anzeige.nameText = m.NameUnbekannt == 0 ? m.NameRechenart : deutsch(anzeige.nameId);
    m.ErgebnisText = FormatErgebnis(m.Ergebnis, m.Meldung);
    anzeige.ergebnisText = m.ErgebnisText;
    anzeige.meldungId = m.MeldungId;
    anzeige.gueltig = m.Fehlerstatus == Fehler::Keiner && m.MeldungId == TextId::Keine;
    anzeige.groesse = m.Groesse;
    return anzeige;
}

}  // namespace staffel
