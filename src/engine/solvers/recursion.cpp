#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/modul_ra.h"

namespace staffel {

template <bool fixpunktSuchen>
double ModulRA::direkteDurchlaeufe(int direkt, bool basisLaeuft, double b, double v,
                                   std::int64_t anzahl) {
    for (std::int64_t rest = anzahl - 1; rest >= 0; --rest) {
        if (haltBefolgen()) {
            Fehlerstatus = Fehler::Gemeldet;
            return 0;
        }
        ZaehlerBer.bump();
        ZaehlerNA.bump();
        const double neu = NAWert(direkt, basisLaeuft ? v : b, basisLaeuft ? b : v);
        Ergebnis = neu;
        if (Fehlerstatus != Fehler::Keiner) return 0;
        // A closed form depends on its inputs alone: once a pass gives back its input, every
        // pass left computes the same and only its counts remain to be made.
        if constexpr (fixpunktSuchen) {
            if (std::bit_cast<std::uint64_t>(neu) == std::bit_cast<std::uint64_t>(v)) {
                ZaehlerBer.bump(rest);
                ZaehlerNA.bump(rest);
                return v;
            }
        }
        v = neu;
    }
    return v;
}

double ModulRA::emIII(Int16 n, Int16 d, double b, double e, std::string_view A) {
    if (Fehlerstatus == Fehler::RationalerExponent || Fehlerstatus == Fehler::Laufzeitfehler)
        return 0;
    ZaehlerIII.bump();

    if (std::floor(e) != e) {
        Fehlerstatus = Fehler::RationalerExponent;
        FehlerMeldung(TextId::RationalerExponentIII);
        return 0;
    }
    if (e < -2147483648.0 || e > 2147483647.0) {
        Fehlerstatus = Fehler::Laufzeitfehler;
        return 0;
    }

    double v = b;
    const auto k = static_cast<std::int64_t>(e);  // 64-bit, so k - 1 cannot leave the range
    NameUnbekannt = 1;
    if (k - 1 < 1) return v;

    const auto kleiner = sub16(n, d);
    if (!kleiner) {
        FehlerMeldung(TextId::UmformungUeberlauf);
        return 0;
    }
    const char ziffer = A.empty() ? '\0' : A.back();
    // Without a digit to bracket by, every pass would leave v unchanged.
    if (ziffer != '0' && ziffer != '1') return v;
    const std::string_view rest = A.substr(0, A.size() - 1);

    // When R - 1 has a closed form for A', every pass after the first evaluates it
    // directly: the first pass has settled the depth, the Rechenzahl, NAGefunden and the
    // name, which the later passes would only write again. Called outside Berechnung in
    // limit mode, each pass is an outermost call and takes the limit rules instead.
    const std::int64_t durchlaeufe = k - 1;
    const int direkt =
        durchlaeufe > 1 && !(GrenzwertModus && tiefe_ == 0) ? closedFormCase(*kleiner, d, rest) : 0;
    const std::int64_t ueberBerechnung = direkt != 0 ? 1 : durchlaeufe;

    // Inside an inverse, v often stands still long before the last pass: then the passes
    // left are the same call on the same state, applied at once (fixpunktUebertragen).
    const bool fixpunktSuchen = fixpunktErlaubt();
    bool steht = false;  // the last pass gave back its input bit for bit
    for (std::int64_t i = 1; i <= ueberBerechnung; ++i) {
        if (haltBefolgen()) {
            Fehlerstatus = Fehler::Gemeldet;
            return 0;
        }
        // Measured from the second pass on, against the state the first one left.
        std::optional<DurchlaufStand> stand;
        if (fixpunktSuchen && steht) stand = durchlaufStand();
        const std::uint64_t eingang = std::bit_cast<std::uint64_t>(v);
        Berechnung(*kleiner, d, ziffer == '0' ? v : b, ziffer == '0' ? b : v, rest);
        v = Ergebnis;
        if (Fehlerstatus != Fehler::Keiner) return 0;
        steht = std::bit_cast<std::uint64_t>(v) == eingang;
        if (stand && steht && fixpunktUebertragen(*stand, durchlaeufe - i)) return v;
    }
    // The direct passes are most of the work of a deep recursion: a loop of their own, and
    // one without the fixed-point test where it is off, as the test alone would slow it.
    const std::int64_t direkte = durchlaeufe - ueberBerechnung;
    return fixpunktSuchen ? direkteDurchlaeufe<true>(direkt, ziffer == '0', b, v, direkte)
                          : direkteDurchlaeufe<false>(direkt, ziffer == '0', b, v, direkte);
}

}  // namespace staffel
