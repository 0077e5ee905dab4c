#include <bit>
#include <cstdint>
#include <limits>

#include "engine/memo/jeder_zaehler.h"
#include "engine/modul_ra.h"

namespace staffel {

DurchlaufStand ModulRA::durchlaufStand() {
    DurchlaufStand s;
    jedenZaehler([&s](std::size_t i, const auto& zaehler) {
        s.zaehler[i] = zaehler.get();
        s.zuweisungen[i] = zaehler.zuweisungen();
    });
    ZustandImStand& z = s.zustand;
#define STAFFEL_LESEN(typ, name) z.name = name;
    STAFFEL_SICHT_STAND(STAFFEL_LESEN)
#undef STAFFEL_LESEN
    s.gezeigteMeldungen = gezeigteMeldungen_;
    s.still = meldungenStill();
    return s;
}

// The caller has seen the pass give back its input. A counter the pass assigned keeps the
// value it was last given, since every later pass assigns the same; one it counted on grows by
// the same amount per pass, saturating as counting one by one would.
bool ModulRA::fixpunktUebertragen(const DurchlaufStand& vorher, std::int64_t restDurchlaeufe) {
    if (haltAngefordert() || wurdeAngehalten()) return false;
    const ZustandImStand& z = vorher.zustand;
#define STAFFEL_GLEICH(typ, name) &&gleich(z.name, name)
    const bool unveraendert = gezeigteMeldungen_ == vorher.gezeigteMeldungen &&
                              meldungenStill() == vorher.still STAFFEL_SICHT_STAND(STAFFEL_GLEICH);
#undef STAFFEL_GLEICH
    if (!unveraendert) return false;
    constexpr std::int64_t kGroesste = std::numeric_limits<std::int64_t>::max();
    jedenZaehler([&](std::size_t i, auto& zaehler) {
        if (zaehler.zuweisungen() != vorher.zuweisungen[i]) return;
        const std::int64_t schritt = zaehler.get() - vorher.zaehler[i];
        if (schritt == 0) return;
        zaehler.bump(restDurchlaeufe > kGroesste / schritt ? kGroesste : schritt * restDurchlaeufe);
    });
    return true;
}

}  // namespace staffel
