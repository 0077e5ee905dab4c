#pragma once

#include <optional>
#include <string>

#include "engine/modul_ra.h"

namespace staffel::graph {

// The size text of one graph sample whose result lies beyond 10^308, as the main window
// writes it, computed on demand (the readout of a hovered sample) instead of for every
// sample of the drawing pass, and without the state the pass is running in.
class Groessenleser {
  public:
    explicit Groessenleser(GraphVorlage vorlage);
    // nullopt where the operation has no size (R not whole or below 3) or the sample's
    // result lies within the doubles or has no size the wide calculation can give. Only
    // meaningful for a sample the pass found undefined: a size stands for a failed value.
    std::optional<std::string> groesse(float x) const;

  private:
    GraphVorlage vorlage_;
    ModulRA ruhend_;  // the wide calculation's halt test asks a state that is never halted
};

}  // namespace staffel::graph
