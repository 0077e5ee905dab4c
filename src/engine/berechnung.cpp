#include <string>

#include "engine/modul_ra.h"
#include "engine/tiefen_zaehler.h"

namespace staffel {

namespace {

// A read as a decimal number is 0: only zeros, or nothing at all.
bool nurNullen(std::string_view A) {
    return A.find_first_not_of('0') == std::string_view::npos;
}

}  // namespace

void ModulRA::Berechnung(Int16 n, Int16 d, double b, double e, std::string_view A) {
    // The limit rules apply to the outermost call only.
    TiefenZaehler zaehler(tiefe_);
    if (tiefe_ == 1) {
        memo_.leeren();
        tiefsteTiefe_ = 1;
    } else if (tiefe_ > tiefsteTiefe_) {
        tiefsteTiefe_ = tiefe_;
    }
    if (tiefe_ > kMaxTiefe) {
        meldungSetzen(TextId::ZuTief);
        FehlerMeldung(TextId::ZuTief);
        return;
    }
    ZaehlerBer.bump();
    RechenzahlWert = static_cast<double>(n) / static_cast<double>(d);

    if (GrenzwertModus && tiefe_ == 1) {
        Grenzwertregeln(n, d, b, A);
        return;
    }

    Ergebnis = NARechart(n, d, b, e, A);
    if (NAGefunden == 1) return;

    // The trials of an inverse repeat the same nested calculations; elsewhere the memo would
    // only cost. A requested halt must reach the loops that test it.
    if (inversTiefe_ > 0 && memo_.aktiv() && !haltAngefordert()) {
        RegelnGemerkt(n, d, b, e, A);
    } else {
        RegelnAnwenden(n, d, b, e, A);
    }
}

// The rewriting rules; false when a rule's 16-bit arithmetic overflows.
bool ModulRA::Regeln(Int16 n, Int16 d, double b, double e, std::string_view A) {
    const double R = RechenzahlWert;

    // Rule 1
    if (R > 5 && e == 0 && d == 1 && A.ends_with('1')) {
        Ergebnis = 1;
        return true;
    }
    // Rule 2: -p/q becomes q/(p+q)
    if (R < 0) {
        const auto absN = abs16(n);
        const auto absD = abs16(d);
        if (!absN || !absD) return false;
        const auto summe = add16(*absN, *absD);
        if (!summe) return false;
        Berechnung(*absD, *summe, b, e, A);
        return true;
    }
    // Rule 3: (3k+2)/3 with an all-zero A becomes k+3
    if (d == 3 && n % 3 == 2 && nurNullen(A)) {
        const auto zaehler = add16(n, 7);
        if (!zaehler) return false;
        const Int16 ganz = static_cast<Int16>(*zaehler / 3);
        AnzahlStellen = static_cast<Int16>(ganz - 5);
        std::string aufgefuellt(A);
        AufZahlAuffuellen(aufgefuellt);
        Berechnung(ganz, 1, b, e, aufgefuellt);
        return true;
    }
    // Rule 4: m[R][b, 0] through the inverse m[1/(R-1)][b, b]
    if (R > 2 && e == 0) {
        if (R > 4 && d == 1) {
            Ergebnis = 1;
            return true;
        }
        const auto nenner = sub16(n, d);
        if (!nenner) return false;
        Berechnung(d, *nenner, b, b, A);
        return true;
    }
    // Rule 5: R/(R-1) with e -> 2 - e and one more digit 0
    if (R > 2 && e < 0) {
        const auto nenner = sub16(n, d);
        if (!nenner) return false;
        std::string laenger(A);
        laenger.push_back('0');
        Berechnung(n, *nenner, b, 2 - e, laenger);
        return true;
    }
    // Rule 6
    if (R > 1 && R < 2 && e < 0) {
        if (A.ends_with('0')) {
            const auto nenner = sub16(n, d);
            if (!nenner) return false;
            Berechnung(n, *nenner, b, 2 - e, A);
            return true;
        }
        if (A.ends_with('1')) {
            Berechnung(n, d, b, 2 - e, AufZahlKippen(A));
            return true;
        }
    }
    // Rule 7
    if (R > 1) {
        if (R > 3 && b == 2 && e == 2) {
            Ergebnis = 4;
        } else if (R > 3 && e == 1) {
            Ergebnis = b;
        } else if (R > 4 && b == 1) {
            Ergebnis = 1;
        } else {
            Ergebnis = emIII(n, d, b, e, A);
        }
        return true;
    }
    // Rule 8
    if (R > 0 && R < 1) {
        Ergebnis = emIV(n, d, b, e, A);
        if (Fehlerstatus == Fehler::RationalerExponent) meldungSetzen(TextId::Unklar);
        return true;
    }
    // Rule 9
    Ergebnis = 0;
    nameSetzen(TextId::OhneCode);
    meldungSetzen(TextId::Unklar);
    return true;
}

}  // namespace staffel
