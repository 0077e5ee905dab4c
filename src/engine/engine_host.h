#pragma once

#include "engine/model/engine_texte.h"

namespace staffel {

// What the engine needs from whoever hosts it: the window shows a modal message box,
// the command-line driver collects the texts. Called on the thread that runs the
// calculation; the call returns once the user has acknowledged the message.
class EngineHost {
  public:
    virtual ~EngineHost() = default;
    // A message box titled "Problem" with the critical icon and a single OK button; its
    // German text is deutsch(text).
    virtual void zeigeMeldung(TextId text) = 0;
};

}  // namespace staffel
