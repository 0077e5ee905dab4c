#pragma once

// When a failed inverse solve proves that another target fails the same way. Engine-internal.

#include <cstddef>
#include <optional>
#include <vector>

namespace staffel::solver {

// A solver meets its target b only through the deviations f = v - b of the forward values v
// it evaluated: their signs, their order, and whether one comes within the solution bound.
// Where another target t gives every deviation the same sign, keeps the same ones apart and
// the same ones merged by rounding, and keeps every one finite and far outside the bound,
// each decision of the search comes out the same, so it evaluates the same points and ends
// the same way. The cell is the set of such targets.
class ZielZelle {
  public:
    // werte: every forward value whose deviation the search formed, one that is not finite as
    // 0 (its deviation is -b). Nothing when no target besides b could be proven: b is 0 or
    // not finite, a deviation leaves the double range, or a value lies within the margin
    // around b.
    static std::optional<ZielZelle> bilden(std::vector<double> werte, double b);

    bool enthaelt(double t) const;

  private:
    ZielZelle() = default;
    bool trenntGleich(double t) const;

    struct Nachbarn {
        // Neighbours whose deviations from a target of at most this magnitude cannot merge.
        double sicherBis;
        std::size_t i;      // werte_[i] and werte_[i + 1]
        bool verschmolzen;  // whose deviations from b round to the same double
    };

    double b_ = 0;
    std::vector<double> werte_;    // sorted, each once
    std::vector<Nachbarn> paare_;  // the least safe first
};

}  // namespace staffel::solver
