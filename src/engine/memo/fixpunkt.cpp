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
    s.rechenzahlWert = std::bit_cast<std::uint64_t>(RechenzahlWert);
    s.fehlerstatus = Fehlerstatus;
    s.nameUnbekannt = NameUnbekannt;
    s.gezeigteMeldungen = gezeigteMeldungen_;
    s.meldung = Meldung;
    s.name = NameRechenart;
    s.meldungId = MeldungId;
    s.nameId = NameRechenartId;
    s.anzahlStellen = AnzahlStellen;
    s.naGefunden = NAGefunden;
    s.still = meldungenStill();
    return s;
}

// The caller has seen the pass give back its input. A counter the pass assigned keeps the
// value it was last given, since every later pass assigns the same; one it counted on grows by
// the same amount per pass, saturating as counting one by one would.
bool ModulRA::fixpunktUebertragen(const DurchlaufStand& vorher, std::int64_t restDurchlaeufe) {
    if (haltAngefordert() || wurdeAngehalten()) return false;
    if (std::bit_cast<std::uint64_t>(RechenzahlWert) != vorher.rechenzahlWert ||
        Fehlerstatus != vorher.fehlerstatus || NameUnbekannt != vorher.nameUnbekannt ||
        gezeigteMeldungen_ != vorher.gezeigteMeldungen || AnzahlStellen != vorher.anzahlStellen ||
        NAGefunden != vorher.naGefunden || meldungenStill() != vorher.still ||
        Meldung != vorher.meldung || NameRechenart != vorher.name ||
        MeldungId != vorher.meldungId || NameRechenartId != vorher.nameId) {
        return false;
    }
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
