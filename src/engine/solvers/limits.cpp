#include <string>

#include "engine/modul_ra.h"

namespace staffel {

namespace {

std::string links(std::string_view A, std::size_t weg) {
    return std::string(A.substr(0, A.size() - weg));
}

}  // namespace

// The limit e -> +-oo of m[R, A][b, e]: each rule rewrites it into one call that no longer
// involves e. Only the outermost call applies these rules; the call they make is evaluated
// by the ordinary rules.
void ModulRA::Grenzwertregeln(Int16 n, Int16 d, double b, std::string_view A) {
    const double R = RechenzahlWert;
    const auto ueberlauf = [this] { FehlerMeldung(TextId::UmformungUeberlauf); };

    if (R > 2 && R != 3 && (A.ends_with('0') || A.ends_with('1'))) {  // L1, L2
        const auto zaehler = sub16(n, d);
        if (!zaehler) return ueberlauf();
        Berechnung(*zaehler, n, b, 2, links(A, 1) + (A.back() == '0' ? "100" : "000"));
        return;
    }
    if (R > 1 && R < 2 && R != 1.5) {
        if (A.ends_with('0')) {  // L3
            Berechnung(d, n, b, 2, AufZahlKippen(links(A, 1)) + "00");
            return;
        }
        if (A.ends_with('1') && A.size() >= 2) {  // L4; a one-digit A has no limit rule
            const auto zaehler = sub16(n, d);
            if (!zaehler) return ueberlauf();
            Berechnung(*zaehler, n, b, 2, links(A, 2) + "00");
            return;
        }
    }
    if (R > 0.5 && R < 1 && A.ends_with("00")) {  // L5
        const auto zaehler = sub16(d, n);
        if (!zaehler) return ueberlauf();
        Berechnung(*zaehler, n, b, b, AufZahlKippen(links(A, 2)));
        return;
    }
    if (R > 0 && R < 0.5 && A.ends_with("00")) {  // L6
        const auto nenner = sub16(d, n);
        if (!nenner) return ueberlauf();
        Berechnung(n, *nenner, b, b, links(A, 2) + "1");
        return;
    }
    // L7
    meldungSetzen(TextId::GrenzwertFrage);
    FehlerMeldung(TextId::GrenzwertUnbekannt);
}

}  // namespace staffel
