#include "engine/run/halt_watchdog.h"

#include <system_error>

#include "engine/modul_ra.h"

namespace staffel {

HaltWatchdog::~HaltWatchdog() {
    if (!thread_.joinable()) return;
    {
        std::lock_guard lock(mutex_);
        ende_ = true;
    }
    cv_.notify_all();
    thread_.join();
}

bool HaltWatchdog::arm(ModulRA& modul, std::chrono::milliseconds after) {
    const bool mitFrist = after.count() > 0;
    if (mitFrist && !thread_.joinable()) {
        try {
            thread_ = std::thread([this] { wachen(); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    bool wecken = false;
    {
        std::lock_guard lock(mutex_);
        if (allesAnhalten_) modul.anhalten();
        modul_ = &modul;
        mitFrist_ = mitFrist;
        frist_ = Clock::now() + after;
        wecken = wartetOhneFrist_ && mitFrist;
    }
    if (wecken) cv_.notify_one();
    return true;
}

void HaltWatchdog::disarm() {
    std::lock_guard lock(mutex_);
    modul_ = nullptr;
}

void HaltWatchdog::haltAllesJetzt() {
    {
        std::lock_guard lock(mutex_);
        allesAnhalten_ = true;
    }
    jetztAnhalten();
}

void HaltWatchdog::jetztAnhalten() {
    std::lock_guard lock(mutex_);
    if (modul_ != nullptr) modul_->anhalten();
}

void HaltWatchdog::wachen() {
    std::unique_lock lock(mutex_);
    while (!ende_) {
        if (modul_ == nullptr || !mitFrist_) {
            wartetOhneFrist_ = true;
            cv_.wait(lock);
            wartetOhneFrist_ = false;
        } else if (const auto frist = frist_; Clock::now() >= frist) {
            modul_->anhalten();
            modul_ = nullptr;
        } else {
            cv_.wait_until(lock, frist);
        }
    }
}

}  // namespace staffel
