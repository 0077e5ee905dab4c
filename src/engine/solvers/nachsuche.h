#pragma once

// The follow-up search both inverse solvers run when their own search has ended without a
// solution: roots that the support table hides from a plain sign test. Engine-internal.

#include <cstdint>
#include <optional>
#include <span>

namespace staffel::solver {

// The forward operation at one trial value: its deviation f = m(x) - b where it is defined.
struct Probewert {
    double x = 0;
    double f = 0;
    bool definiert = false;
};

// How the follow-up search reaches the solver that runs it.
class Vorwaerts {
  public:
    // The forward operation at x; nullopt when the solve has ended (halt, run-time fault).
    virtual std::optional<Probewert> auswerten(double x) = 0;
    // Counts one step of a bisection or extremum search in the solver's step counter;
    // false when the solve has been halted.
    virtual bool schritt() = 0;
    // The evaluations (Berechnung calls) made so far, nested ones included.
    virtual std::int64_t aufwand() const = 0;

  protected:
    ~Vorwaerts() = default;
};

struct Nachsuche {
    enum class Ausgang { Loesung, Keine, Ende } ausgang = Ausgang::Keine;
    double loesung = 0;
};

// Searches the solver's support table, in index order, for the first root that passes the
// solvers' acceptance test at the value found and at its 15-digit text (the value the user
// sees): sign changes between neighbouring defined points (also beyond the runs the solver
// searched), each defined point re-sampled a tiny step off (a jump of the operation at
// the point itself hides a sign change), and the extremum between the two neighbours of a
// point where the deviation comes closest to 0 without crossing it (two roots between the
// same two support points). With nurGanzeZahlen the operation is defined only at whole
// numbers: nothing is nudged and every trial value is whole. Once its trials have cost
// `budget` evaluations the search ends without a solution.
Nachsuche nachsuchen(std::span<const Probewert> tabelle, double b, bool nurGanzeZahlen,
                     std::int64_t budget, Vorwaerts& vorwaerts);

}  // namespace staffel::solver
