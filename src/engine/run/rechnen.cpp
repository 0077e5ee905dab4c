#include "engine/run/rechnen.h"

#include <cmath>

#include "engine/closed_forms/kleine_potenzen.h"
#include "engine/graph/skala.h"
#include "engine/modul_ra.h"
#include "engine/numbers/number_text.h"
#include "engine/run/antwort.h"
#include "engine/size/groesse.h"
#include "engine/size/grosse_zahl_lesen.h"

namespace staffel {

namespace {

// The result, or its size, in the graph's log10 and height scales. Where a scale's number
// leaves the doubles or is only known to be large, JSON has none.
template <class Zahl>
void skalenwerte(Antwort& a, const Zahl& zahl) {
    a.hoehe = graph::inSkala(Skala::Hoehe, zahl);
    a.log10 = graph::inSkala(Skala::Log10, zahl);
    if (a.log10 && !std::isfinite(*a.log10)) a.log10.reset();
    if (a.hoehe && !std::isfinite(*a.hoehe)) a.hoehe.reset();
}

bool istX(const std::string& text) {
    return text == "x" || text == "X";
}

}  // namespace

void ModulRA::groesseSetzen(Antwort& a, const Stufenzahl& b, const Stufenzahl& e) {
    WeiterWeg weg;
    // A whole Rechenzahl below 3 does not overflow by itself.
    const OptStufenzahl stufen = RNenner != 1 || RZaehler >= 3
                                     ? WeitBerechnen(RZaehler, RNenner, AufZahl, b, e, *this, &weg)
                                     : std::nullopt;
    if (stufen) {
        a.groesse = GroesseText(*stufen);
        if (a.groesse) {
            skalenwerte(a, *stufen);
            return;
        }
    }
    // A power of a base below 1 whose exponent overflowed: tiny, not huge.
    if (const OptStufenzahl t = closed_form::log10DerPotenz(weg.form, b, e)) {
        a.groesse = KleinText(*t);
    }
}

std::string FormatErgebnis(double ergebnis, const std::string& meldung) {
    std::string text = " " + (meldung.empty() ? ZahlText(ergebnis) : meldung);
    const auto punkt = text.find('.');
    if (punkt == 2) text.insert(2, 1, '0');
    return text;
}

namespace {

// Only a text that today's reading refuses or that holds a "^" can be a wide number, so a
// number within the doubles costs no wide reading.
double wertLesen(std::string_view text, bool& ausserhalb, OptStufenzahl& weit) {
    const GelesenerWert gelesen = ZahlLesen(text);
    if (!gelesen.ausserhalb && text.find('^') == std::string_view::npos) return gelesen.wert;
    WeiteLesung lesung = WeitLesen(text);
    if (lesung.gross) {
        weit = std::move(lesung.gross);
        return lesung.negativ ? -GroessteZahl : GroessteZahl;
    }
    if (lesung.winzig) return lesung.negativ ? -0.0 : 0.0;
    ausserhalb = ausserhalb || gelesen.ausserhalb;
    return gelesen.wert;
}

}  // namespace

Werte WerteLesen(std::string_view basisText, std::string_view exponentText) {
    Werte werte;
    werte.basis = wertLesen(basisText, werte.ausserhalb, werte.basisWeit);
    werte.exponent = wertLesen(exponentText, werte.ausserhalb, werte.exponentWeit);
    return werte;
}

bool ModulRA::eingabenLesen(const RechenEingabe& eingabe, Antwort& antwort,
                            const std::function<void(const std::string&)>& stepGebildet,
                            Werte& werte) {
    Fehlerstatus = Fehler::Keiner;
    // A halt belongs to the run it stopped; a new run on the same inputs must not
    // report a halt that never happened to it.
    if (MeldungId == TextId::Angehalten) meldungLoeschen();

    RechenartText = eingabe.rechenart;
    BasisText = Trimmen(eingabe.basis);
    ExponentText = Trimmen(eingabe.exponent);
    AufZahlText = Trimmen(eingabe.aufzahl);
    AufZahl = AufZahlText;

    if (BasisText.empty() || RechenartText.empty() || ExponentText.empty()) {
        FehlerMeldung(TextId::EingabeFehlt);
        antwort.ausgang = RechenAusgang::EingabeFehlt;
        return false;
    }

    if (auto fehler = RechenzahlLesen(RechenartText)) {
        FehlerMeldung(*fehler);
        antwort.ausgang = RechenAusgang::RechenzahlAbgelehnt;
        return false;
    }
    KommaZuPunkt(BasisText);
    KommaZuPunkt(ExponentText);
    RZaehler = BruchZaehler;
    RNenner = BruchNenner;

    if (auto fehler = AuflListeBilden(BruchZaehler, BruchNenner, RDezimal)) {
        FehlerMeldung(*fehler);
        antwort.ausgang = RechenAusgang::RechenzahlAbgelehnt;
        return false;
    }
    antwort.step = AnzahlStellen;
    if (stepGebildet) stepGebildet(ZahlText(AnzahlStellen));
    antwort.aufzahlGesperrt = AnzahlStellen == 0;

    AufZahlPruefen(AufZahlText);
    AufZahl = AufZahlText;
    if (Fehlerstatus == Fehler::Gemeldet) {
        antwort.ausgang = RechenAusgang::AufZahlAbgelehnt;
        return false;
    }

    werte = WerteLesen(BasisText, ExponentText);
    // The graph samples doubles only.
    if (werte.ausserhalb || (werte.weit() && (istX(BasisText) || istX(ExponentText)))) {
        FehlerMeldung(TextId::ZahlAusserhalb);
        antwort.ausgang = RechenAusgang::ZahlAbgelehnt;
        return false;
    }
    BasisWert = werte.basis;
    ExponentWert = werte.exponent;

    if (istX(BasisText) || istX(ExponentText)) {
        if (BasisText == "X") BasisText = "x";
        if (ExponentText == "X") ExponentText = "x";
        antwort.formel = FormelBilden();
        antwort.ausgang = RechenAusgang::Graph;
        return false;
    }
    return true;
}

bool ModulRA::eingabenLesen(const RechenEingabe& eingabe, Antwort& antwort,
                            const std::function<void(const std::string&)>& stepGebildet) {
    Werte werte;
    return eingabenLesen(eingabe, antwort, stepGebildet, werte);
}

void ModulRA::auswerten() {
    Berechnung(RZaehler, RNenner, BasisWert, ExponentWert, AufZahl);
    if (wurdeAngehalten()) {
        meldungSetzen(TextId::Angehalten);
        if (Fehlerstatus == Fehler::Keiner) Fehlerstatus = Fehler::Gemeldet;
    }
}

Antwort ModulRA::rechne(const RechenEingabe& eingabe, const RechenModus& modus,
                        const std::function<void(const std::string&)>& stepGebildet) {
    GrenzwertModus = modus.grenzwert;
    meldungenDesLaufs_.clear();
    fehlschlaege_.leeren();
    Antwort a;
    Werte werte;
    if (eingabenLesen(eingabe, a, stepGebildet, werte) &&
        (!werte.weit() || weitAuswerten(werte, a))) {
        if (!werte.weit()) auswerten();
        NameHyperEins();
        a.ausgang = RechenAusgang::Wert;
        // A run-time fault without a message: a recursion's pass count left 32 bits, the other
        // way a whole Rechenzahl outgrows the doubles.
        if (Fehlerstatus == Fehler::Laufzeitfehler &&
            (MeldungId == TextId::Ueberlauf || MeldungId == TextId::Keine) && !GrenzwertModus &&
            !wurdeAngehalten()) {
            const Stufenzahl b = werte.basisWeit.value_or(alsStufenzahl(BasisWert));
            const Stufenzahl e = werte.exponentWeit.value_or(alsStufenzahl(ExponentWert));
            groesseSetzen(a, b, e);
        }
        a.ergebnisText = FormatErgebnis(Ergebnis, Meldung);
        if (MeldungId == TextId::Keine && std::isfinite(Ergebnis)) {
            a.ergebnis = Ergebnis;
            skalenwerte(a, Ergebnis);
        }
        a.gueltig = Fehlerstatus == Fehler::Keiner && MeldungId == TextId::Keine;
        a.formel = FormelBilden();
    }
    a.nameId = a.ausgang == RechenAusgang::Wert && NameUnbekannt != 0
                   ? RechenartName{TextId::NameUnbekannt}
                   : NameRechenartId;
    // By id, as the windows show them: the golden answers hold the ids to their texts.
    a.name = deutsch(a.nameId);
    a.meldungId = MeldungId;
    a.meldung = deutsch(MeldungId);
    a.fehlerstatus = static_cast<std::int64_t>(Fehlerstatus);
    a.meldungIds = meldungenDesLaufs_;
    for (const TextId meldung : meldungenDesLaufs_) a.meldungen.emplace_back(deutsch(meldung));
    a.aufloesungsliste = AuflListe;
    a.anzahlStellen = AnzahlStellen;
    a.zaehler = zaehlerstaende(zaehlerLesen());
    return a;
}

}  // namespace staffel
