#pragma once

#include <string>
#include <vector>

#include "engine/engine_host.h"

namespace staffel::test {

// Stands in for the window: keeps the text of every message box instead of showing it.
class RecordingHost : public EngineHost {
  public:
    void zeigeMeldung(TextId text) override { boxes.emplace_back(deutsch(text)); }
    std::vector<std::string> boxes;
};

}  // namespace staffel::test
