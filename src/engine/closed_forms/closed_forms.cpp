#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

#include "engine/closed_forms/closed_form_cases.h"
#include "engine/closed_forms/closed_form_table.h"
#include "engine/modul_ra.h"

namespace staffel {

namespace {

using namespace closed_form;

constexpr bool passes(ATest test, std::string_view pattern, std::string_view A) noexcept {
    switch (test) {
        case ATest::Any:
            return true;
        case ATest::Whole:
            return A == pattern;
        case ATest::FirstDigit:
            return A.substr(0, 1) == pattern;
        case ATest::FirstAndLast: {
            if (A.empty() || A.front() != pattern.front()) return false;
            // An A shorter than the tail is taken whole.
            const std::size_t k = pattern.size() - 1;
            return A.substr(A.size() - std::min(k, A.size())) == pattern.substr(1);
        }
    }
    return false;
}

// An alternative of the search, with its row's number.
struct Versuch : Alternative {
    std::uint8_t number;
};

// Every row's alternatives, the rows in order: the order of the search, in which the first
// alternative that holds wins.
constexpr std::size_t kAnzahl = [] {
    std::size_t n = 0;
    for (const Row& r : kRows) n += r.alternatives.size();
    return n;
}();
constexpr auto kVersuche = [] {
    std::array<Versuch, kAnzahl> liste{};
    std::size_t i = 0;
    for (const Row& r : kRows) {
        for (const Alternative& a : r.alternatives) {
            liste[i++] = {a, static_cast<std::uint8_t>(r.number)};
        }
    }
    return liste;
}();

// The recursion asks for whole Rechenzahlen all the time. For them the search is compiled
// out: an R whose first alternative takes any A is answered from a table, and the others
// try their alternatives with R and pattern as constants.
constexpr int ganz(const Versuch& v) {
    return v.R == static_cast<int>(v.R) ? static_cast<int>(v.R) : 0;
}
constexpr int kGroessteGanze = ganz(std::ranges::max(kVersuche, {}, ganz));
constexpr auto kJedesA = [] {
    std::array<std::uint8_t, kGroessteGanze + 1> jedesA{};
    for (int n = 1; n <= kGroessteGanze; ++n) {
        const auto erste = std::ranges::find(kVersuche, n, ganz);
        if (erste != kVersuche.end() && erste->test == ATest::Any) jedesA[n] = erste->number;
    }
    return jedesA;
}();
constexpr bool nachA(const Versuch& v) {
    return ganz(v) != 0 && kJedesA[ganz(v)] == 0;
}
constexpr auto kNachA = [] {
    std::array<Versuch, std::ranges::count_if(kVersuche, nachA)> liste{};
    std::ranges::copy_if(kVersuche, liste.begin(), nachA);
    return liste;
}();
constexpr int suchen(double R, std::string_view A) noexcept {
    for (const Versuch& v : kVersuche) {
        if (v.R == R && passes(v.test, v.pattern, A)) return v.number;
    }
    return 0;
}

template <std::size_t... i>
constexpr int ganzerFall(Int16 n, [[maybe_unused]] std::string_view A,
                         std::index_sequence<i...>) noexcept {
    if (n < 1 || n > kGroessteGanze) return 0;
    if (kJedesA[n] != 0) return kJedesA[n];
    int fall = 0;
    (void)(((n == ganz(kNachA[i]) && passes(kNachA[i].test, kNachA[i].pattern, A)) &&
            (fall = kNachA[i].number, true)) ||
           ...);
    return fall;
}
constexpr int ganzerFall(Int16 n, std::string_view A) noexcept {
    return ganzerFall(n, A, std::make_index_sequence<kNachA.size()>());
}
// It answers as the full search does, for every A of up to six digits.
static_assert([] {
    for (Int16 n = 0; n <= kGroessteGanze + 1; ++n) {
        for (unsigned ziffern = 1; ziffern < 128; ++ziffern) {  // a leading 1, then A's digits
            char A[6] = {};
            std::size_t laenge = 0;
            for (unsigned rest = ziffern; rest > 1; rest /= 2) A[laenge++] = "01"[rest % 2];
            if (ganzerFall(n, {A, laenge}) != suchen(n, {A, laenge})) return false;
        }
    }
    return true;
}());

// The rows' names by number, at hand for the recursion, which writes one with each form.
constexpr auto kNamen = [] {
    std::array<TextId, std::size(kRows) + 1> namen{};
    for (const Row& r : kRows) namen[r.number] = r.name;
    return namen;
}();

// Row `number`'s formula, chosen like a switch, so that the compiler sees each row's formula
// and keeps its arithmetic in registers rather than behind a call through a pointer.
template <std::size_t... i>
double evaluate(int number, double b, double e, CheckedArithmetic& r, Outcome& o,
                std::index_sequence<i...>) noexcept {
    double wert = 0;
    (void)((number == kRows[i].number && (wert = kRows[i].wert(b, e, r, o), true)) || ...);
    return wert;
}

}  // namespace

int closedFormCase(Int16 n, Int16 d, std::string_view A) noexcept {
    if (d == 1) return ganzerFall(n, A);
    return suchen(static_cast<double>(n) / static_cast<double>(d), A);
}

double ModulRA::NARechart(Int16 n, Int16 d, double b, double e, std::string_view A) {
    ZaehlerNA.bump();
    NAGefunden = 1;

    const int number = d == 1 ? ganzerFall(n, A) : closedFormCase(n, d, A);
    if (number == 0) {
        NAGefunden = 0;
        return 0;
    }
    nameSetzen(kNamen[number]);
    return NAWert(number, b, e);
}

double ModulRA::NAWert(int number, double b, double e) {
    CheckedArithmetic r;
    Outcome outcome;
    const double wert =
        evaluate(number, b, e, r, outcome, std::make_index_sequence<std::size(kRows)>());

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
