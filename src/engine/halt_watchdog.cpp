#include "engine/halt_watchdog.h"

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
    if (after.count() == 0) {
        std::lock_guard lock(mutex_);
        modul_ = &modul;
        ohneFrist_ = true;
        return true;
    }
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { wachen(); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    bool wecken = false;
    {
        std::lock_guard lock(mutex_);
        modul_ = &modul;
        ohneFrist_ = false;
        frist_ = Clock::now() + after;
        wecken = wartetOhneFrist_;
    }
    if (wecken) cv_.notify_one();
    return true;
}

void HaltWatchdog::disarm() {
    std::lock_guard lock(mutex_);
    modul_ = nullptr;
}

void HaltWatchdog::jetztAnhalten() {
    std::lock_guard lock(mutex_);
    if (modul_ != nullptr) modul_->anhalten();
}

void HaltWatchdog::wachen() {
    std::unique_lock lock(mutex_);
    while (!ende_) {
        if (modul_ == nullptr || ohneFrist_) {
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
