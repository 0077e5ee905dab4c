#include "engine/halt_timer.h"

#include "engine/modul_ra.h"

namespace staffel {

HaltTimer::HaltTimer(ModulRA& modul, std::chrono::milliseconds after) {
    if (after.count() == 0) return;
    thread_ = std::thread([this, &modul, after] {
        std::unique_lock lock(mutex_);
        if (!cv_.wait_for(lock, after, [this] { return done_; })) modul.anhalten();
    });
}

HaltTimer::~HaltTimer() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    cv_.notify_all();
    thread_.join();
}

}  // namespace staffel
