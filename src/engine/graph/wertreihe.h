#pragma once

#include <string>

#include "engine/modul_ra.h"

namespace staffel {

// One operation m[R, A][b, e] at many values of b and e, each answered as "Rechne !" answers
// the shortest texts of b and e on a freshly reset state. R and A, the same for every value,
// are read once.
class Wertreihe {
  public:
    Wertreihe(const std::string& rechenart, const std::string& aufzahl);

    struct Wert {
        double ergebnis = 0;  // NaN unless the result is valid, else in the scale asked for
        bool gueltig = false;
        Fehler fehlerstatus = Fehler::Keiner;
    };
    // modul: a freshly constructed state; the evaluation runs in it, so that another thread
    // may halt it there. In the log10 and height scales a result beyond 10^308 has its
    // place from its size; NaN where it has none.
    Wert rechne(ModulRA& modul, double b, double e, Skala skala = Skala::Wert) const;

  private:
    ModulRA vorlage_;  // the state once R and A are read
    bool auswerten_ = false;
    int geschlosseneForm_ = 0;  // the closed form that answers R and A; 0 for none
};

}  // namespace staffel
