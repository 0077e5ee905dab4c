#pragma once

#include <string>

#include "engine/model/engine_texte.h"
#include "engine/numbers/int16.h"

namespace staffel {

// The five transform buttons of the main window, each a new fraction from the Rechenzahl n/d.
enum class Umformung { Plus1, Minus1, Kehrwert, Spiegel, Negativ };

struct UmgeformterBruch {
    Int16 zaehler = 0;
    Int16 nenner = 1;
    std::string text;               // "n" for a denominator of 1, else "n/d"
    TextId fehler = TextId::Keine;  // the transform is not possible, and why
};

// R + 1, R - 1, 1/R, R/(R-1) or 1/(1-R) in 16-bit arithmetic, not reduced. R - 1, R/(R-1)
// and 1/(1-R) move a minus sign of the new denominator to the numerator; R + 1 and 1/R
// keep it where it falls (1/R of -2 is 1/-2).
UmgeformterBruch Umformen(Umformung art, Int16 n, Int16 d);

}  // namespace staffel
