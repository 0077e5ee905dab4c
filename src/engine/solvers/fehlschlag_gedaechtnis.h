#pragma once

// The failed inverse solves of the graph passes after one calculation. Their samples differ in
// the target b alone, and a wide stretch of them fails after the same long search, which the
// proof of ZielZelle lets each one after the first skip. Engine-internal.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "engine/memo/memo.h"
#include "engine/solvers/ziel_zelle.h"

namespace staffel {

// Everything a solve depends on but its target: the memo's key with b as 0, and the nesting
// the solve runs in.
struct FehlschlagSchluessel {
    MemoSchluessel aufruf;
    bool memoAn = false;
    int tiefe = 0;
    int inversTiefe = 0;
    bool operator==(const FehlschlagSchluessel&) const = default;
};

class Fehlschlaege {
  public:
    struct Eintrag {
        FehlschlagSchluessel schluessel;
        solver::ZielZelle zelle;
        MemoWirkung wirkung;  // what the solve did to the engine state
        double ergebnis;      // what it returned
    };

    // Only while a graph sample is evaluated: the window's and the command line's single
    // calculations run every search in full.
    bool aktiv() const noexcept { return aktiv_; }
    // On for its lifetime, so that no way out of a sample leaves it on.
    class Einschalten {
      public:
        explicit Einschalten(Fehlschlaege& f) noexcept : f_(f) { f_.aktiv_ = true; }
        ~Einschalten() { f_.aktiv_ = false; }
        Einschalten(const Einschalten&) = delete;
        Einschalten& operator=(const Einschalten&) = delete;

      private:
        Fehlschlaege& f_;
    };
    void leeren() noexcept { eintraege_.clear(); }

    // A recorded failure that b fails in the same way, or nullptr.
    const Eintrag* finden(const FehlschlagSchluessel& schluessel, double b) const;
    void merken(Eintrag eintrag);

  private:
    // Enough for the stretches between the forward values of a whole pass; the oldest goes
    // first when a pass finds more.
    static constexpr std::size_t kEintraege = 256;
    std::deque<Eintrag> eintraege_;
    bool aktiv_ = false;
};

}  // namespace staffel
