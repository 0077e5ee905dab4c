#include "engine/run/halt_watchdog.h"

#include <system_error>
#include <utility>

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
    const bool mitTakt = takt_.count() > 0;
    if ((mitFrist || mitTakt) && !thread_.joinable()) {
        try {
            thread_ = std::thread([this] { wachen(); });
        } catch (const std::system_error&) {
            return false;
        }
    }
    modul.rueckfrageSetzen(mitTakt ? &frage_ : nullptr);
    bool wecken = false;
    {
        const auto jetzt = Clock::now();
        std::lock_guard lock(mutex_);
        if (allesAnhalten_) modul.anhalten();
        modul_ = &modul;
        mitFrist_ = mitFrist;
        frist_ = jetzt + after;
        naechsteFrage_ = jetzt + takt_;
        wecken = wartetOhneFrist_ && (mitFrist || mitTakt);
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

void HaltWatchdog::rueckfrageSetzen(std::function<bool()> frage, std::chrono::milliseconds takt) {
    std::lock_guard lock(mutex_);
    frage_ = std::move(frage);
    takt_ = takt;
}

void HaltWatchdog::wachen() {
    std::unique_lock lock(mutex_);
    while (!ende_) {
        const bool mitTakt = takt_.count() > 0;
        if (modul_ == nullptr || (!mitFrist_ && !mitTakt)) {
            wartetOhneFrist_ = true;
            cv_.wait(lock);
            wartetOhneFrist_ = false;
            continue;
        }
        const auto jetzt = Clock::now();
        if (mitFrist_ && jetzt >= frist_) {
            modul_->anhalten();
            modul_ = nullptr;
            continue;
        }
        if (mitTakt && jetzt >= naechsteFrage_) {
            modul_->nachfragen();
            naechsteFrage_ = jetzt + takt_;
        }
        // A calculation armed while this waits for the time of its predecessor is found
        // then; with a beat that is at most one beat late.
        auto bis = mitTakt ? naechsteFrage_ : frist_;
        if (mitTakt && mitFrist_ && frist_ < bis) bis = frist_;
        cv_.wait_until(lock, bis);
    }
}

}  // namespace staffel
