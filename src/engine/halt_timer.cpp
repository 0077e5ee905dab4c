#include "engine/halt_timer.h"

#include "engine/modul_ra.h"

namespace staffel {

HaltTimer::HaltTimer(ModulRA& modul, std::chrono::milliseconds after)
    : thread_([this, &modul, after] {
          std::unique_lock lock(mutex_);
          if (!cv_.wait_for(lock, after, [this] { return done_; })) modul.anhalten();
      }) {}

HaltTimer::~HaltTimer() {
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    cv_.notify_all();
    thread_.join();
}

}  // namespace staffel
