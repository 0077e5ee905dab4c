#pragma once

// The inverse of an operation at a value beyond the doubles (or with an argument beyond
// them), found by a search that compares sizes instead of doubles. Engine-internal.

#include <cstdint>
#include <functional>
#include <string_view>

#include "engine/size/groesse.h"
#include "engine/size/stufenzahl.h"

namespace staffel::solver {

// m[n/d, A][x, e] = b (basisGesucht) or m[n/d, A][e, x] = b, for a positive double x; the
// forward operation is the wide one (WeitBerechnen).
struct WeiteGleichung {
    int n = 0;
    int d = 1;
    std::string_view A;
    bool basisGesucht = true;
    const Stufenzahl& b;
    const Stufenzahl& e;
};

struct WeiteLoesung {
    enum class Ausgang {
        Loesung,      // loesung is the double of a 15-digit text every digit of which is certain
        Keine,        // the forward operation has sizes, but none of its trials crosses b
        Unsicher,     // b was bracketed, but not closely enough for 15 certain digits
        OhneGroesse,  // the forward operation has no size at any trial value
        Angehalten,
    } ausgang = Ausgang::OhneGroesse;
    double loesung = 0;
    std::int32_t schritte = 0;  // bisection steps
    bool geklammert = false;    // a trial below b beside one above it was found
    WeiterWeg weg;              // the forward operation's way at the last trial
};

// The trials run over a fixed table of positive doubles, the first pair of neighbouring
// trials whose forward values lie on either side of b is bisected down to neighbouring
// doubles, and the answer is accepted only when
//   - the forward values at both ends of the bracket lie on either side of b, decided in
//     the wide interval type;
//   - the forward operation evaluated on the whole bracket as one interval has a value, so
//     that it is continuous there (an operation defined only at whole numbers has none) and
//     a solution lies in the bracket;
//   - every number in the bracket has the same 15-digit text, or the bracket is two
//     neighbouring doubles whose texts differ and the forward value at the rounding boundary
//     between the texts says on which side the solution lies.
// An exact hit (a forward value equal to b) is its own answer. `angehalten` is asked before
// every trial.
WeiteLoesung weitLoesen(const WeiteGleichung& gleichung, const ModulRA& modul,
                        const std::function<bool()>& angehalten);

}  // namespace staffel::solver
