#pragma once

#include <string>

namespace staffel {

// What the engine needs from whoever hosts it: the window shows a modal message box,
// the command-line driver collects the texts. Called on the thread that runs the
// calculation; the call returns once the user has acknowledged the message.
class EngineHost {
  public:
    virtual ~EngineHost() = default;
    // A message box titled "Problem" with the critical icon and a single OK button.
    virtual void zeigeMeldung(const std::string& text) = 0;
};

}  // namespace staffel
