#include "engine/modul_ra.h"

namespace staffel {

void ModulRA::Zuruecksetzen() {
    ZaehlerIII = 0;
    ZaehlerBer = -1;
    ZaehlerIV = 0;
    ZaehlerG0 = 0;
    ZaehlerG1 = 0;
    ZaehlerNA = -1;

    RDezimal = 0;
    BasisWert = 0;
    ExponentWert = 0;
    AnzahlStellen = 0;
    NAGefunden = 0;

    BruchText.clear();
    AuflListe.clear();
    RechenartText.clear();
    AufZahlText = "0";
    nameSetzen(TextId::NameStart);
    meldungLoeschen();

    Fehlerstatus = Fehler::Keiner;
    NameUnbekannt = 0;
    AufZahl.clear();
    RechenzahlWert = 0;

    GrenzwertModus = false;
}

bool ModulRA::haltEntscheiden() noexcept {
    const std::uint8_t vorher =
        halt_.fetch_and(static_cast<std::uint8_t>(~kNachfrage), std::memory_order_relaxed);
    if ((vorher & kNachfrage) != 0 && rueckfrage_ != nullptr && (*rueckfrage_)()) anhalten();
    if (!haltAngefordert()) return false;
    befolgt_.store(true, std::memory_order_relaxed);
    return true;
}

bool ModulRA::meldungenStill() const noexcept {
    return ExponentText == "x" || BasisText == "x" || ZaehlerG0 > 0;
}

void ModulRA::nameSetzen(RechenartName name) {
    if (!name.gegenrechenart) {
        nameSetzen(name.basis);
        return;
    }
    NameRechenartId = name;
    NameRechenart = deutsch(name);
}

void ModulRA::FehlerMeldung(TextId text) {
    if (meldungenStill()) {
        Fehlerstatus = Fehler::Gemeldet;
        return;
    }
    if (Fehlerstatus == Fehler::Keiner) Fehlerstatus = Fehler::Gemeldet;
    if (host_ == nullptr) return;
    if (memo_.offeneAufnahmen > 0) memo_.meldungsLog.push_back(text);
    meldungZeigen(text);
}

void ModulRA::meldungZeigen(TextId text) {
    ++gezeigteMeldungen_;
    meldungenDesLaufs_.push_back(text);
    host_->zeigeMeldung(text);
}

Zaehlerstand ModulRA::zaehlerLesen() const noexcept {
    return {AktIntervall.get(), ZaehlerBer.get(), ZaehlerG0.get(),  ZaehlerG00.get(),
            ZaehlerG1.get(),    ZaehlerG11.get(), ZaehlerIII.get(), AnzahlIntervalle.get(),
            ZaehlerIV.get(),    ZaehlerNA.get()};
}

}  // namespace staffel
