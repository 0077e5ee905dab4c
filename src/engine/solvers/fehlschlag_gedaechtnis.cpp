#include "engine/solvers/fehlschlag_gedaechtnis.h"

#include <utility>
#include <vector>

#include "engine/modul_ra.h"

namespace staffel {

const Fehlschlaege::Eintrag* Fehlschlaege::finden(const FehlschlagSchluessel& schluessel,
                                                  double b) const {
    for (const Eintrag& eintrag : eintraege_) {
        if (eintrag.zelle.enthaelt(b) && eintrag.schluessel == schluessel) return &eintrag;
    }
    return nullptr;
}

void Fehlschlaege::merken(Eintrag eintrag) {
    if (eintraege_.size() >= kEintraege) eintraege_.pop_front();
    eintraege_.push_back(std::move(eintrag));
}

double ModulRA::GegenLsg0Gemerkt(Int16 n, Int16 d, double b, double e, std::string_view A,
                                 const std::function<double(std::vector<double>*)>& loesen) {
    // A recording of the memo already open would take this solve's effect into its own.
    if (!fehlschlaege_.aktiv() || memo_.offeneAufnahmen > 0 || haltAngefordert()) {
        return loesen(nullptr);
    }
    FehlschlagSchluessel schluessel{memoSchluessel(n, d, 0, e, A), memo_.aktiv(), tiefe_,
                                    inversTiefe_};

    if (const auto* eintrag = fehlschlaege_.finden(schluessel, b)) {
        memoAnwenden(eintrag->wirkung);
        return eintrag->ergebnis;
    }
    std::vector<double> werte;
    double ergebnis = 0;
    auto wirkung = wirkungAufnehmen([&] { ergebnis = loesen(&werte); });
    if (!wirkung || Fehlerstatus == Fehler::Keiner) return ergebnis;
    if (auto zelle = solver::ZielZelle::bilden(std::move(werte), b)) {
        fehlschlaege_.merken(
            {std::move(schluessel), std::move(*zelle), std::move(*wirkung), ergebnis});
    }
    return ergebnis;
}

}  // namespace staffel
