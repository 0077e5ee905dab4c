#pragma once

#include <mpfr.h>

#include <cstdint>
#include <optional>

namespace staffel {

// Bits of every wide float. The shown text needs the innermost exponent (below 10^15) to
// about 10^-17 absolute, some 110 bits; the rest is headroom for the error that each
// change of level and each step of a long recursion adds. The intervals, not this
// figure, decide how many digits are shown.
inline constexpr mpfr_prec_t kStufenBits = 256;

// Layer counts stop growing here; every count from 2^53 + 2 on is only known to be large.
inline constexpr std::uint64_t kStufenGrenze = std::uint64_t{1} << 62;

// A closed interval of wide floats whose ends are rounded outwards, so that it holds the
// exact value it stands for.
class Intervall {
  public:
    Intervall();
    explicit Intervall(double wert);
    Intervall(const Intervall& anderes);
    Intervall& operator=(const Intervall& anderes);
    ~Intervall();

    mpfr_t lo;
    mpfr_t hi;
};

// vorzeichen · exp10^stufen(betrag), exp10 applied `stufen` times. betrag lies in
// [0, 10^15) on level 0 (or is a whole number below 2^200 known exactly) and in [10, 10^15)
// above it, so the level says how large the number is and betrag is the exponent the text
// shows innermost.
struct Stufenzahl {
    int vorzeichen = 0;  // -1, 0 or +1
    std::uint64_t stufen = 0;
    Intervall betrag;
    // Known to be an even whole number although the interval cannot tell it: a double from
    // 2^53 on, an even power, 10^k typed with a whole k. A negative base keeps its sign
    // under it.
    bool gerade = false;
};

using OptStufenzahl = std::optional<Stufenzahl>;

// MPFR keeps its constants (log 2, pi) per thread, and a thread that ends without this call
// leaks them. Every thread that may work with wide numbers calls it once, last; freeing them
// after each size would compute them again for every sample of a graph.
void stufenzahlenAufraeumen();

// Every operation gives nullopt where the intervals cannot decide the outcome (a sign, a
// whole number, a level) or the number leaves what the form can hold.
Stufenzahl alsStufenzahl(double wert);
OptStufenzahl summe(const Stufenzahl& a, const Stufenzahl& b);
OptStufenzahl produkt(const Stufenzahl& a, const Stufenzahl& b);
OptStufenzahl potenz(const Stufenzahl& basis, const Stufenzahl& exponent);

// The signed interval on level 0, normalised; nullopt when it holds 0 and other numbers.
OptStufenzahl alsStufenzahl(Intervall wert);
Stufenzahl negiert(Stufenzahl x);
// 10^t, and log10 x of a positive x.
OptStufenzahl zehnHoch(const Stufenzahl& t);
OptStufenzahl log10Von(const Stufenzahl& x);
OptStufenzahl quotient(const Stufenzahl& zaehler, const Stufenzahl& nenner);

// Whether |x| lies beyond the largest double for every number the interval holds.
bool jenseitsDerDoubles(const Stufenzahl& x);
// The double that x names, when every number the interval holds gives the same fifteen
// shown digits; nullopt when the interval leaves them open or reaches beyond the doubles.
std::optional<double> alsDouble(const Stufenzahl& x);

std::optional<bool> istGleich(const Stufenzahl& x, double wert);
std::optional<bool> istNegativ(const Stufenzahl& x);
std::optional<bool> istGanz(const Stufenzahl& x);

// A whole x >= 0 as a count of passes: exact below 2^63, else kStufenGrenze.
std::optional<std::uint64_t> alsAnzahl(const Stufenzahl& x);

// Whether y is x's successor on the way up a long recursion: each further pass of the same
// kind only adds (y.stufen - x.stufen) layers, so the recursion may add them all at once.
bool wiederholtSich(const Stufenzahl& x, const Stufenzahl& y);
// Whether y lies within x on the same level. A pass that maps x into itself keeps every
// later member in x too, as interval arithmetic only ever widens.
bool liegtIn(const Stufenzahl& y, const Stufenzahl& x);
// y with `mehr` more layers, its innermost exponent widened by what those passes may move it.
Stufenzahl mitWeiterenStufen(Stufenzahl y, std::uint64_t mehr);

}  // namespace staffel
