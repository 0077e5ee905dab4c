#include "engine/modul_ra.h"

namespace staffel {

std::string ModulRA::FormelBilden() const {
    return "m[" + RechenartText + " , " + AufZahlText + "][" + BasisText + " , " + ExponentText +
           "]";
}

// m[6, 1] has a name of its own although the recursion computes it.
void ModulRA::NameHyperEins() {
    if (RDezimal == 6 && AufZahlText == "1") {
        nameSetzen(TextId::NameHyperEins);
        NameUnbekannt = 0;
    }
}

}  // namespace staffel
