#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace staffel {

class ModulRA;

// Presses the halt button of a calculation once its time is up, unless the timer is
// destroyed first (the calculation ended). Hosts without a window use it as their "#".
// A time of 0 sets no limit. A press that comes after the calculation's last halt test
// leaves its result standing.
class HaltTimer {
  public:
    HaltTimer(ModulRA& modul, std::chrono::milliseconds after);
    ~HaltTimer();
    HaltTimer(const HaltTimer&) = delete;
    HaltTimer& operator=(const HaltTimer&) = delete;

  private:
    std::mutex mutex_;
    std::condition_variable cv_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace staffel
