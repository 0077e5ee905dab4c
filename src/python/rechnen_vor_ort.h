#pragma once

#include <functional>

#include "engine/run/halt_watchdog.h"

namespace staffel::python {

// Runs job on the calling Python thread itself, on a large stack of that thread's own
// (StackFiber), with the GIL released and the thread's halt timer. On the main thread a
// pending Python signal (Ctrl+C) is handled within the signal beat, halts the calculation
// when its handler raises, and that exception is raised once the job has ended.
void rechnenVorOrt(const std::function<void(HaltWatchdog&)>& job);

}  // namespace staffel::python
