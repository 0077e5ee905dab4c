#include <cmath>
#include <cstdint>
#include <iterator>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/modul_ra.h"
#include "engine/numbers/checked_arithmetic.h"

namespace staffel {

namespace {

// The domain checks' messages.
namespace meldung {
using enum TextId;
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
    TextId message = TextId::Keine;
};

double ended(Outcome& outcome, Outcome::Kind kind, TextId message) noexcept {
    outcome = {kind, message};
    return 0;
}
double rejected(Outcome& outcome, TextId message) noexcept {
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

constexpr TextId kNames[] = {
    TextId::Keine,          TextId::NameIdentitaet,     TextId::NameNachfolger,
    TextId::NameAddition,   TextId::NameMultiplikation, TextId::NamePotenzierung,
    TextId::NameVorgaenger, TextId::NameSubtraktion,    TextId::NameDivision,
    TextId::NameHyperNull,  TextId::NameRadizieren,     TextId::NameLogarithmieren,
    TextId::NameFall12,     TextId::NameFall13,         TextId::NameFall14,
    TextId::NameFall15,     TextId::NameFall16,         TextId::NameFall17,
    TextId::NameFall18,     TextId::NameFall19,         TextId::NameFall17,
    TextId::NameFall21,     TextId::NameFall22,         TextId::NameFall23,
    TextId::NameFall24,     TextId::NameFall25,         TextId::NameFall26,
    TextId::NameFall27,     TextId::NameFall28,         TextId::NameFall29,
    TextId::NameFall30,     TextId::NameFall31,         TextId::NameFall15,
    TextId::NameFall33,
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
    nameSetzen(kNames[number]);
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
            meldungSetzen(TextId::Ueberlauf);
            Fehlerstatus = Fehler::Laufzeitfehler;
            return GroessteZahl;
        case Fault::Undefined:
            meldungSetzen(TextId::NichtDefiniert);
            Fehlerstatus = Fehler::Laufzeitfehler;
            return GroessteZahl;
        case Fault::DivisionByZero:
            meldungSetzen(TextId::NullDivision);
            Fehlerstatus = Fehler::Laufzeitfehler;
            return GroessteZahl;
    }

    switch (outcome.kind) {
        case Outcome::Kind::Value:
            return wert;
        case Outcome::Kind::Rejected:
            FehlerMeldung(outcome.message);
            return 0;
        case Outcome::Kind::Indeterminate:
            meldungSetzen(outcome.message);
            Fehlerstatus = Fehler::Gemeldet;
            return 0;
        case Outcome::Kind::ValueUnknown:
            meldungSetzen(outcome.message);
            return 0;
    }
    return 0;
}

}  // namespace staffel
