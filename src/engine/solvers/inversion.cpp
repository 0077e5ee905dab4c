#include <utility>

#include "engine/modul_ra.h"
#include "engine/tiefen_zaehler.h"

namespace staffel {

// 0 < R < 1: the inverse of 1/R. The last digit of A says which argument is solved for.
double ModulRA::emIV(Int16 n, Int16 d, double b, double e, std::string_view A) {
    ZaehlerIV.bump();
    const TiefenZaehler inverse(inversTiefe_);
    double ergebnis = 0;
    std::swap(n, d);

    const char ziffer = A.empty() ? '\0' : A.back();
    const std::string_view rest = A.substr(0, A.empty() ? 0 : A.size() - 1);
    if (ziffer == '0') {
        ZaehlerG00 = 0;
        ergebnis = GegenLsg0(n, d, b, e, rest);
        if (Fehlerstatus != Fehler::Keiner) return 0;
    } else if (ziffer == '1') {
        ZaehlerG11 = 0;
        ergebnis = GegenLsg1(n, d, b, e, rest);
        if (Fehlerstatus != Fehler::Keiner) return 0;
    }

    if (!NameRechenartId.gegenrechenart) gegenrechenartVorsetzen();
    return ergebnis;
}

}  // namespace staffel
