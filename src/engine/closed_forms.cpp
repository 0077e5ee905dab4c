#include <cmath>
#include <cstdint>
#include <iterator>

#include "engine/checked_arithmetic.h"
#include "engine/closed_form_cases.h"
#include "engine/modul_ra.h"

namespace staffel {

namespace {

namespace meldung {
constexpr std::string_view RationalerExponent = "Basis muss für rationale Exponenten positiv sein!";
constexpr std::string_view DivisionDurchNull = "Division durch Null!";
constexpr std::string_view NegativeBasisRational =
    "Es tritt die Potenz einer negativen Basis auf (Exponent rational)!";
constexpr std::string_view BasisPositiv = "Basis muss positiv sein!";
constexpr std::string_view LogPositiv = "Basis und Exponent(nicht 1!) des Log müssen positiv sein!";
constexpr std::string_view LogBasisEins =
    " Der Logarithmus zur Basis 1 ist in diesem Fall nicht definiert!";
constexpr std::string_view Unbestimmt = " unbestimmt (ganz R)";
constexpr std::string_view BasisGroesserEins = "Basis muss größer als 1 sein!";
constexpr std::string_view DivisionDurch0 = "Division durch 0!";
constexpr std::string_view ExponentUngleich2 = "Der Exponent muss ungleich 2 sein!";
constexpr std::string_view ExponentNullZwei = "Der Exponent muss aus ]0;2[ und  b/e>0  sein!";
constexpr std::string_view BasisSollteGroesserNull = "Die Basis sollte größer als 0 sein!";
constexpr std::string_view ExponentUngleich2BasisPositiv =
    "Der Exponent muss ungleich 2 und die Basis größer als 0 sein!";
constexpr std::string_view BasisPositivExponentPositiv =
    "Die Basis muss größer als 0, der Exponent positiv (aber ungleich 1) sein!";
constexpr std::string_view DieBasisGroesserNull = "Die Basis muss größer als 0 sein!";
constexpr std::string_view DieBasisGroesserEins = "Die Basis muss größer als 1 sein!";
constexpr std::string_view BasisKleinerZwei = "Die Basis muss kleiner als 2 sein!";
constexpr std::string_view BasisNullZwei = "Die Basis muss aus [0;2] sein!";
constexpr std::string_view BasisEinsExponentNullZwei =
    "Die Basis muss größer als 1, der Exponent aus ]0;2[ ohne 1 sein!";
constexpr std::string_view QuotientExponent =
    "Der Quotient Basis/Exponent muss größer als 0 und der Exponent<2, aber ungleich 1 sein!";
constexpr std::string_view WertUnbestimmt = " Wert unbestimmt";
}  // namespace meldung

bool whole(double x) noexcept {
    return std::floor(x) == x;
}
// A value that is not whole counts as odd.
bool even(double x) noexcept {
    return whole(x / 2);
}

// How a closed form ended when it gave no plain value: a failed domain check, or a value
// that does not exist. The value itself travels as the return value, in a register.
struct Outcome {
    // Indeterminate marks the calculation as failed without a box; ValueUnknown only
    // explains the missing value.
    enum class Kind : std::uint8_t { Value, Rejected, Indeterminate, ValueUnknown };
    Kind kind = Kind::Value;
    std::string_view message{};
};

double ended(Outcome& outcome, Outcome::Kind kind, std::string_view message) noexcept {
    outcome = {kind, message};
    return 0;
}
double rejected(Outcome& outcome, std::string_view message) noexcept {
    return ended(outcome, Outcome::Kind::Rejected, message);
}

// The formulas and domain checks of the closed forms. The name text is written by the
// caller; this only computes. Operations run in the order a left-to-right evaluator
// would run them, so the first fault is the one it would have stopped at.
double evaluate(int number, double b, double e, CheckedArithmetic& r, Outcome& o) noexcept {
    switch (number) {
        case 1:
            return b;
        case 2:
            return r.add(b, 1);
        case 3:
            return r.add(b, e);
        case 4:
            return r.mul(b, e);
        case 5:
            if (b < 0 && !whole(e)) return rejected(o, meldung::RationalerExponent);
            return r.pow(b, e);
        case 6:
            return r.sub(b, 1);
        case 7:
            return r.sub(b, e);
        case 8:
            if (e == 0) return rejected(o, meldung::DivisionDurchNull);
            return r.div(b, e);
        case 9:
            if (b < 0 && !whole(e)) return rejected(o, meldung::NegativeBasisRational);
            return r.pow(b, r.pow(b, r.sub(e, 1)));
        case 10: {
            // The root is taken before the base is checked.
            const double v = r.pow(b, r.div(1, e));
            if (!r.faulted() && b < 0) return rejected(o, meldung::BasisPositiv);
            return v;
        }
        case 11:
            if (b < 0 || e < 0) return rejected(o, meldung::LogPositiv);
            if (e == 1 && b != 1) return rejected(o, meldung::LogBasisEins);
            if (b == 1 && e == 1)
                return ended(o, Outcome::Kind::Indeterminate, meldung::Unbestimmt);
            return r.logBasis(b, e);
        case 12:
            if (!(b > 1)) return rejected(o, meldung::BasisGroesserEins);
            return r.add(r.logBasis(r.logBasis(b, e), e), 1);
        case 13:
            return r.add(-b, e);
        case 14:
            return r.mul(r.sub(2, e), b);
        case 15:
            return even(e) ? 0 : b;
        case 16:
            if (e == 0) return rejected(o, meldung::DivisionDurch0);
            return r.sub(2, r.div(b, e));
        case 17:
        case 20:
            if (e == 2) return rejected(o, meldung::ExponentUngleich2);
            return r.div(b, r.sub(2, e));
        case 18: {
            const double quotient = r.div(b, e);
            if (r.faulted()) return quotient;
            if (!(e < 2) || quotient < 0 || e == 0) return rejected(o, meldung::ExponentNullZwei);
            return r.add(r.logBasis(quotient, r.sub(2, e)), 1);
        }
        case 19:
            if (b < 0 && !whole(e)) return rejected(o, meldung::BasisSollteGroesserNull);
            return r.pow(b, r.sub(2, e));
        case 21:
            if (b < 0 || e == 2) return rejected(o, meldung::ExponentUngleich2BasisPositiv);
            return r.pow(b, r.div(1, r.sub(2, e)));
        case 22:
            if (b < 0 || !(e > 0) || e == 1)
                return rejected(o, meldung::BasisPositivExponentPositiv);
            return r.sub(2, r.logBasis(b, e));
        case 23:
            if (b < 0) return rejected(o, meldung::DieBasisGroesserNull);
            return r.pow(b, r.pow(b, r.sub(1, e)));
        case 24:
            if (!(b > 1)) return rejected(o, meldung::DieBasisGroesserEins);
            return r.sub(1, r.logBasis(r.logBasis(b, e), e));
        case 25:
            if (b > 2) return rejected(o, meldung::BasisKleinerZwei);
            return r.mul(b, r.pow(r.sub(2, b), r.sub(e, 1)));
        case 26:
            if (b < 0 || b > 2) return rejected(o, meldung::BasisNullZwei);
            return r.pow(b, r.pow(r.sub(2, b), r.sub(e, 1)));
        case 27:
            if (b > 2) return rejected(o, meldung::BasisKleinerZwei);
            return r.mul(b, r.pow(r.sub(2, b), r.sub(1, e)));
        case 28:
            if (b < 0 || b > 2) return rejected(o, meldung::BasisNullZwei);
            return r.pow(b, r.pow(r.sub(2, b), r.sub(1, e)));
        case 29:
            if (!(b > 1) || !(e > 0) || e == 1 || e > 2) {
                return rejected(o, meldung::BasisEinsExponentNullZwei);
            }
            return r.add(r.logBasis(r.logBasis(b, e), r.sub(2, e)), 1);
        case 30: {
            // Solves case 27 for its Exponent: b = e · (2-e)^(1-x).
            const double quotient = r.div(b, e);
            if (r.faulted()) return quotient;
            if (e == 0 || quotient < 0 || !(e < 2) || e == 1) {
                return rejected(o, meldung::QuotientExponent);
            }
            return r.sub(1, r.logBasis(quotient, r.sub(2, e)));
        }
        case 31:
            if (!(b > 1) || !(e > 0) || e == 1 || e > 2) {
                return rejected(o, meldung::BasisEinsExponentNullZwei);
            }
            return r.sub(1, r.logBasis(r.logBasis(b, e), r.sub(2, e)));
        case 32:
            return even(b) ? 0 : b;
        case 33:
            if (even(e)) return ended(o, Outcome::Kind::ValueUnknown, meldung::WertUnbestimmt);
            return b;
    }
    return 0;
}

constexpr std::string_view kNames[] = {
    "",
    "  Identität:  b",
    "  Nachfolger:  b + 1",
    "  Addition:  b + e",
    "  Multiplikation:  b · e",
    "  Potenzierung:  b ^ e",
    "  Vorgänger:  b - 1",
    "  Subtraktion:  b - e",
    "  Division:  b / e",
    "  Hyper-0-Potenzierung",
    "  Radizieren:  b ^ (1/e)",
    "  Logarithmieren:  Loge(b)",
    "  Loge[Loge[b]] + 1",
    "  -b + e",
    "  (2-e)·b",
    "   0 oder b",
    "   2 - (b/e)",
    "   b / (2-e)",
    "   Log(2-e)[b/e]",
    "   b ^ (2-e)",
    "   b / (2-e)",
    "   b ^ (1/(2-e))",
    "   2 - Loge[b]",
    "   b ^ (b^(1-e))",
    "   1 - Loge[Loge[b]]",
    "   b · (2-b)^(e-1)",
    "   b ^ ((2-b)^(e-1))",
    "   b · (2-b)^(1-e)",
    "   b ^ ((2-b)^(1-e))",
    "   Log(2-e)[Loge[b]] + 1",
    "   1 - Log(2-e)[b/e]",
    "   1 - Loge[Log(2-e)[b]]",
    "   0 oder b",
    "   unbestimmt  oder  b",
};
static_assert(std::size(kNames) == 34);

}  // namespace

double ModulRA::NARechart(Int16 n, Int16 d, double b, double e, std::string_view A) {
    ZaehlerNA.bump();
    NAGefunden = 1;

    const int number = d == 1 ? wholeClosedFormCase(n, A) : closedFormCase(n, d, A);
    if (number == 0) {
        NAGefunden = 0;
        return 0;
    }
    // Solvers and recursions write the same name again and again; comparing is cheaper.
    const std::string_view name = kNames[number];
    if (NameRechenart != name) NameRechenart.assign(name);
    return NAWert(number, b, e);
}

double ModulRA::NAWert(int number, double b, double e) {
    CheckedArithmetic r;
    Outcome outcome;
    const double wert = evaluate(number, b, e, r, outcome);

    switch (r.fault()) {
        case Fault::None:
            break;
        case Fault::Overflow:
            Meldung = texte::Ueberlauf;
            Fehlerstatus = 4;
            return GroessteZahl;
        case Fault::Undefined:
            Meldung = texte::NichtDefiniert;
            Fehlerstatus = 4;
            return GroessteZahl;
        case Fault::DivisionByZero:
            Meldung = texte::DivisionDurchNull;
            Fehlerstatus = 4;
            return GroessteZahl;
    }

    switch (outcome.kind) {
        case Outcome::Kind::Value:
            return wert;
        case Outcome::Kind::Rejected:
            FehlerMeldung(outcome.message);
            return 0;
        case Outcome::Kind::Indeterminate:
            Meldung = outcome.message;
            Fehlerstatus = 1;
            return 0;
        case Outcome::Kind::ValueUnknown:
            Meldung = outcome.message;
            return 0;
    }
    return 0;
}

}  // namespace staffel
