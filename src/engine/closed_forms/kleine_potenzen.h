#pragma once

#include "engine/size/stufenzahl.h"

namespace staffel::closed_form {

// log10 of the result of closed form `fall` at (b, e) where the form is a power b^y of a
// positive base: the one measure left when b < 1 and y leaves the doubles, which makes the
// result tiny although its inner step overflows. nullopt for the other forms.
OptStufenzahl log10DerPotenz(int fall, const Stufenzahl& b, const Stufenzahl& e);

}  // namespace staffel::closed_form
