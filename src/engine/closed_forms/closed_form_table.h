#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "engine/closed_forms/weite_formen.h"
#include "engine/model/engine_texte.h"
#include "engine/numbers/checked_arithmetic.h"
#include "engine/size/stufenzahl.h"

// The closed forms of the engine, one row each: the Rechenzahlen and Auflösungszahlen it
// answers, its name, its formula with the formula's domain checks and, where there is one,
// the same formula on wide numbers for inputs and results beyond 10^308 (weite_formen.h). A
// new closed form is a new last row, its name's translation (engine_texts.cpp), its line in
// the help text (resources/hilfe) and a golden line.
namespace staffel::closed_form {

// How a closed form ended when it gave no plain value: a failed domain check, or a value
// that does not exist. The value itself travels as the return value, in a register.
struct Outcome {
    // Indeterminate marks the calculation as failed without a box; ValueUnknown only
    // explains the missing value.
    enum class Kind : std::uint8_t { Value, Rejected, Indeterminate, ValueUnknown };
    Kind kind = Kind::Value;
    TextId message = TextId::Keine;
};

inline double ended(Outcome& outcome, Outcome::Kind kind, TextId message) noexcept {
    outcome = {kind, message};
    return 0;
}
inline double rejected(Outcome& outcome, TextId message) noexcept {
    return ended(outcome, Outcome::Kind::Rejected, message);
}

inline bool whole(double x) noexcept {
    return std::floor(x) == x;
}
// A value that is not whole counts as odd.
inline bool even(double x) noexcept {
    return whole(x / 2);
}

enum class ATest : std::uint8_t {
    Any,           // A is not looked at
    Whole,         // A equals the pattern
    FirstDigit,    // the first character of A equals the pattern
    FirstAndLast,  // first character of A and its last (pattern length - 1) characters
};
inline constexpr auto W_ = ATest::Whole;
inline constexpr auto F_ = ATest::FirstDigit;
inline constexpr auto FL = ATest::FirstAndLast;

// R is compared as the double quotient, so 10/6 meets 5/3.
struct Alternative {
    double R;
    ATest test = ATest::Any;
    std::string_view pattern = {};
};

// A row's alternatives, in the order they are tried.
class Alternatives {
  public:
    consteval Alternatives(std::initializer_list<Alternative> list) : count_(list.size()) {
        if (list.size() == 0 || list.size() > kMax) throw "one to six alternatives a row";
        std::copy(list.begin(), list.end(), list_.begin());
    }
    constexpr const Alternative* begin() const noexcept { return list_.data(); }
    constexpr const Alternative* end() const noexcept { return list_.data() + count_; }
    constexpr std::size_t size() const noexcept { return count_; }

  private:
    static constexpr std::size_t kMax = 6;
    std::array<Alternative, kMax> list_{};
    std::size_t count_;
};

// A formula at (b, e) with its domain checks. The name text is written by the caller; this
// only computes. Operations run in the order a left-to-right evaluator would run them, so
// the first fault is the one it would have stopped at.
using Wert = double (*)(double b, double e, CheckedArithmetic& r, Outcome& o) noexcept;
// The formula on wide numbers, with the outcome the double one would reach with room enough.
using WeiteForm = OptStufenzahl (*)(const Stufenzahl& b, const Stufenzahl& e);

struct Row {
    int number;  // 1, 2, 3 ... in row order: the alternatives are tried row by row
    TextId name;
    Alternatives alternatives;
    Wert wert;
    // None (the parity rows): a whole Rechenzahl's size then comes from the rules, and a
    // fractional one's inputs beyond the doubles are refused.
    WeiteForm weit = nullptr;
};

// b / (2 - e), the formula of rows 17 and 20.
inline double bDurchZweiMinusE(double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
    if (e == 2) return rejected(o, TextId::ExponentUngleich2);
    return r.div(b, r.sub(2, e));
}

// Every formula takes the same parameters, used or not.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-parameter"
// clang-format off
inline constexpr Row kRows[] = {
    {1, TextId::NameIdentitaet, {{1.0}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return b; },
     weit::identitaet},
    {2, TextId::NameNachfolger, {{2.0}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return r.add(b, 1); },
     weit::nachfolger},
    {3, TextId::NameAddition, {{3.0}, {2.0 / 3, W_, "0"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return r.add(b, e); },
     summe},
    {4, TextId::NameMultiplikation, {{4.0}, {5.0 / 3, W_, "00"}, {5.0 / 3, W_, "01"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return r.mul(b, e); },
     produkt},
    {5, TextId::NamePotenzierung, {{5.0}, {8.0 / 3, F_, "0"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 && !whole(e)) return rejected(o, TextId::RationalerExponent);
         return r.pow(b, e);
     },
     potenz},
    {6, TextId::NameVorgaenger, {{1.0 / 2}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return r.sub(b, 1); },
     weit::vorgaenger},
    {7, TextId::NameSubtraktion, {{1.0 / 3}, {3.0 / 2}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return r.sub(b, e); },
     weit::differenz},
    {8, TextId::NameDivision, {{1.0 / 4}, {3.0 / 5, F_, "0"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (e == 0) return rejected(o, TextId::DivisionDurchNull);
         return r.div(b, e);
     },
     weit::bDurchE},
    {9, TextId::NameHyperNull,
     {{11.0 / 3, W_, "0000"}, {6.0, W_, "0"}, {11.0 / 3, W_, "0110"}, {11.0 / 3, W_, "0100"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 && !whole(e)) return rejected(o, TextId::NegativeBasisRational);
         return r.pow(b, r.pow(b, r.sub(e, 1)));
     },
     // b ^ (b ^ (e - 1)) on wide numbers; potenz refuses a negative base with a non-whole
     // exponent.
     [](const Stufenzahl& b, const Stufenzahl& e) -> OptStufenzahl {
         const OptStufenzahl vorher = summe(e, alsStufenzahl(-1));
         if (!vorher) return std::nullopt;
         const OptStufenzahl innen = potenz(b, *vorher);
         if (!innen) return std::nullopt;
         return potenz(b, *innen);
     }},
    {10, TextId::NameRadizieren, {{3.0 / 8, FL, "00"}, {1.0 / 5, W_, "0"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         // The root is taken before the base is checked.
         const double v = r.pow(b, r.div(1, e));
         if (!r.faulted() && b < 0) return rejected(o, TextId::BasisPositiv);
         return v;
     },
     weit::wurzel},
    {11, TextId::NameLogarithmieren, {{3.0 / 8, FL, "01"}, {1.0 / 5, W_, "1"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 || e < 0) return rejected(o, TextId::LogPositiv);
         if (e == 1 && b != 1) return rejected(o, TextId::LogBasisEins);
         if (b == 1 && e == 1) return ended(o, Outcome::Kind::Indeterminate, TextId::Unbestimmt);
         return r.logBasis(b, e);
     },
     weit::logarithmus},
    {12, TextId::NameFall12, {{3.0 / 11, FL, "001"}, {1.0 / 6, W_, "01"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (!(b > 1)) return rejected(o, TextId::BasisGroesserEins);
         return r.add(r.logBasis(r.logBasis(b, e), e), 1);
     },
     weit::logLogPlusEins},
    {13, TextId::NameFall13, {{2.0 / 3, W_, "1"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return r.add(-b, e); },
     weit::eMinusB},
    {14, TextId::NameFall14, {{5.0 / 2, W_, "0"}, {5.0 / 3, W_, "11"}, {4.0 / 3, W_, "0"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         return r.mul(r.sub(2, e), b);
     },
     weit::zweiMinusEMalB},
    {15, TextId::NameFall15, {{5.0 / 2, W_, "1"}, {5.0 / 3, W_, "10"}, {4.0 / 3, W_, "1"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return even(e) ? 0 : b; }},
    {16, TextId::NameFall16, {{3.0 / 4, W_, "01"}, {3.0 / 5, W_, "111"}, {2.0 / 5, W_, "01"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (e == 0) return rejected(o, TextId::DivisionDurch0);
         return r.sub(2, r.div(b, e));
     },
     weit::zweiMinusBDurchE},
    {17, TextId::NameFall17, {{2.0 / 5, W_, "00"}, {3.0 / 5, W_, "110"}}, bDurchZweiMinusE,
     weit::bDurchZweiMinusE},
    {18, TextId::NameFall18, {{3.0 / 7, W_, "001"}, {3.0 / 8, W_, "1101"}, {2.0 / 7, W_, "001"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         const double quotient = r.div(b, e);
         if (r.faulted()) return quotient;
         if (!(e < 2) || quotient < 0 || e == 0) return rejected(o, TextId::ExponentNullZwei);
         return r.add(r.logBasis(quotient, r.sub(2, e)), 1);
     },
     weit::logZweiMinusEVonBDurchE},
    {19, TextId::NameFall19, {{8.0 / 5, FL, "00"}, {5.0 / 4, W_, "0"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 && !whole(e)) return rejected(o, TextId::BasisSollteGroesserNull);
         return r.pow(b, r.sub(2, e));
     },
     weit::bHochZweiMinusE},
    // Its first and last alternatives are row 17's, which is tried first.
    {20, TextId::NameFall17, {{2.0 / 5, W_, "00"}, {3.0 / 4, W_, "00"}, {3.0 / 5, W_, "110"}},
     bDurchZweiMinusE, weit::bDurchZweiMinusE},
    {21, TextId::NameFall21, {{5.0 / 8, FL, "000"}, {4.0 / 5, W_, "00"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 || e == 2) return rejected(o, TextId::ExponentUngleich2BasisPositiv);
         return r.pow(b, r.div(1, r.sub(2, e)));
     },
     weit::wurzelZweiMinusE},
    {22, TextId::NameFall22, {{5.0 / 8, FL, "001"}, {4.0 / 5, W_, "01"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 || !(e > 0) || e == 1) return rejected(o, TextId::BasisPositivExponentPositiv);
         return r.sub(2, r.logBasis(b, e));
     },
     weit::zweiMinusLog},
    {23, TextId::NameFall23, {{11.0 / 8, FL, "000"}, {6.0 / 5, W_, "00"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0) return rejected(o, TextId::DieBasisGroesserNull);
         return r.pow(b, r.pow(b, r.sub(1, e)));
     },
     weit::bHochBHochEinsMinusE},
    {24, TextId::NameFall24, {{8.0 / 11, FL, "0001"}, {5.0 / 6, W_, "001"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (!(b > 1)) return rejected(o, TextId::DieBasisGroesserEins);
         return r.sub(1, r.logBasis(r.logBasis(b, e), e));
     },
     weit::einsMinusLogLog},
    {25, TextId::NameFall25, {{7.0 / 2, W_, "00"}, {7.0 / 3, W_, "00"}, {8.0 / 3, W_, "110"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b > 2) return rejected(o, TextId::BasisKleinerZwei);
         return r.mul(b, r.pow(r.sub(2, b), r.sub(e, 1)));
     },
     weit::bMalZweiMinusBHochEMinusEins},
    {26, TextId::NameFall26, {{13.0 / 5, FL, "000"}, {9.0 / 4, W_, "00"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 || b > 2) return rejected(o, TextId::BasisNullZwei);
         return r.pow(b, r.pow(r.sub(2, b), r.sub(e, 1)));
     },
     weit::bHochZweiMinusBHochEMinusEins},
    {27, TextId::NameFall27, {{7.0 / 5, W_, "000"}, {7.0 / 4, W_, "000"}, {8.0 / 5, W_, "1100"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b > 2) return rejected(o, TextId::BasisKleinerZwei);
         return r.mul(b, r.pow(r.sub(2, b), r.sub(1, e)));
     },
     weit::bMalZweiMinusBHochEinsMinusE},
    {28, TextId::NameFall28, {{13.0 / 8, FL, "0000"}, {9.0 / 5, W_, "000"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (b < 0 || b > 2) return rejected(o, TextId::BasisNullZwei);
         return r.pow(b, r.pow(r.sub(2, b), r.sub(1, e)));
     },
     weit::bHochZweiMinusBHochEinsMinusE},
    {29, TextId::NameFall29, {{5.0 / 13, FL, "0001"}, {4.0 / 9, W_, "001"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (!(b > 1) || !(e > 0) || e == 1 || e > 2) {
             return rejected(o, TextId::BasisEinsExponentNullZwei);
         }
         return r.add(r.logBasis(r.logBasis(b, e), r.sub(2, e)), 1);
     },
     weit::logZweiMinusEVonLog},
    {30, TextId::NameFall30, {{5.0 / 7, W_, "0001"}, {4.0 / 7, W_, "0001"}, {5.0 / 8, W_, "11001"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         // Solves row 27 for its Exponent: b = e · (2-e)^(1-x).
         const double quotient = r.div(b, e);
         if (r.faulted()) return quotient;
         if (e == 0 || quotient < 0 || !(e < 2) || e == 1) {
             return rejected(o, TextId::QuotientExponent);
         }
         return r.sub(1, r.logBasis(quotient, r.sub(2, e)));
     },
     weit::einsMinusLogZweiMinusBVonBDurchE},
    {31, TextId::NameFall31, {{8.0 / 13, FL, "00001"}, {5.0 / 9, W_, "0001"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (!(b > 1) || !(e > 0) || e == 1 || e > 2) {
             return rejected(o, TextId::BasisEinsExponentNullZwei);
         }
         return r.sub(1, r.logBasis(r.logBasis(b, e), r.sub(2, e)));
     },
     weit::einsMinusLogZweiMinusEVonLog},
    {32, TextId::NameFall15,
     {{7.0 / 2, W_, "10"}, {7.0 / 2, W_, "11"}, {7.0 / 3, W_, "10"}, {7.0 / 3, W_, "11"},
      {8.0 / 3, W_, "100"}, {8.0 / 3, W_, "101"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept { return even(b) ? 0 : b; }},
    {33, TextId::NameFall33, {{2.0 / 5, W_, "10"}, {3.0 / 4, W_, "10"}},
     [](double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
         if (even(e)) return ended(o, Outcome::Kind::ValueUnknown, TextId::WertUnbestimmt);
         return b;
     }},
};
// clang-format on
#pragma GCC diagnostic pop

constexpr const Row& row(int number) noexcept {
    return kRows[number - 1];
}

// What the compiler can check of the rows: a failed check stops the build at its line.
consteval bool checked() {
    int number = 0;
    for (const Row& r : kRows) {
        if (r.number != ++number) throw "the rows are numbered 1, 2, 3 ... in order";
        if (r.name == TextId::Keine) throw "every row has a name";
        for (const Alternative& a : r.alternatives) {
            const std::size_t n = a.pattern.size();
            if (!(a.R > 0 && a.R < 32768)) throw "R lies between 0 and 32768";
            if (a.pattern.find_first_not_of("01") != a.pattern.npos) throw "A is made of 0 and 1";
            if (a.test == ATest::Any          ? n != 0
                : a.test == ATest::FirstDigit ? n != 1
                                              : n < 1u + (a.test == ATest::FirstAndLast)) {
                throw "a pattern: none for Any, one digit for FirstDigit, two for FirstAndLast";
            }
        }
    }
    if (number > 255) throw "the search keeps a row's number in a byte";
    return true;
}
static_assert(checked());

}  // namespace staffel::closed_form
