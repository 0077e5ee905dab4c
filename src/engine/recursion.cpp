#include <cmath>
#include <cstdint>

#include "engine/closed_form_cases.h"
#include "engine/modul_ra.h"

namespace staffel {

double ModulRA::emIII(Int16 n, Int16 d, double b, double e, std::string_view A) {
    if (Fehlerstatus == 3 || Fehlerstatus == 4) return 0;
    ZaehlerIII.bump();

    if (std::floor(e) != e) {
        Fehlerstatus = 3;
        FehlerMeldung(TextId::RationalerExponentIII);
        return 0;
    }
    if (e < -2147483648.0 || e > 2147483647.0) {
        Fehlerstatus = 4;
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
    const int direkt =
        k - 1 > 1 && !(GrenzwertModus && tiefe_ == 0) ? closedFormCase(*kleiner, d, rest) : 0;

    for (std::int64_t i = 1; i <= k - 1; ++i) {
        if (haltBefolgen()) {
            Fehlerstatus = 1;
            return 0;
        }
        const double basis = ziffer == '0' ? v : b;
        const double exponent = ziffer == '0' ? b : v;
        if (direkt != 0 && i > 1) {
            ZaehlerBer.bump();
            ZaehlerNA.bump();
            Ergebnis = NAWert(direkt, basis, exponent);
        } else {
            Berechnung(*kleiner, d, basis, exponent, rest);
        }
        v = Ergebnis;
        if (Fehlerstatus != 0) return 0;
    }
    return v;
}

}  // namespace staffel
