#include "engine/closed_forms/kleine_potenzen.h"

#include "engine/closed_forms/weite_formen.h"

namespace staffel::closed_form {

namespace {

using namespace weit;

// The exponent y of the rows that are b^y.
struct Potenzform {
    int fall;
    W (*exponent)(const Stufenzahl& b, const Stufenzahl& e);
};

constexpr Potenzform kPotenzformen[] = {
    {9, [](const Stufenzahl& b, const Stufenzahl& e) { return hoch(b, minus(e, k(1))); }},
    {23, [](const Stufenzahl& b, const Stufenzahl& e) { return hoch(b, minus(k(1), e)); }},
    {26,
     [](const Stufenzahl& b, const Stufenzahl& e) { return hoch(minus(k(2), b), minus(e, k(1))); }},
    {28,
     [](const Stufenzahl& b, const Stufenzahl& e) { return hoch(minus(k(2), b), minus(k(1), e)); }},
};

}  // namespace

OptStufenzahl log10DerPotenz(int fall, const Stufenzahl& b, const Stufenzahl& e) {
    for (const Potenzform& form : kPotenzformen) {
        if (form.fall == fall) return mal(form.exponent(b, e), log10Von(b));
    }
    return std::nullopt;
}

}  // namespace staffel::closed_form
