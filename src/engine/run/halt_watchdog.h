#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace staffel {

class ModulRA;

// The halt timer of a host that runs one calculation after another (the CLI's batch): one
// thread for all of them instead of one per calculation. Between arm() and disarm() it
// presses the halt button of the calculation once its time is up. Whether the press stopped
// anything is the calculation's own answer (ModulRA::wurdeAngehalten()).
class HaltWatchdog {
  public:
    HaltWatchdog() = default;
    ~HaltWatchdog();
    HaltWatchdog(const HaltWatchdog&) = delete;
    HaltWatchdog& operator=(const HaltWatchdog&) = delete;

    // A time of 0 sets no limit. False only when the watchdog's thread cannot be created.
    bool arm(ModulRA& modul, std::chrono::milliseconds after);
    // Once this returns, the calculation armed last is no longer pressed, nor being pressed.
    void disarm();
    // Presses the halt button of the armed calculation now and of every later one as it is
    // armed: a host that is told to stop (a signal) ends its calculations without a race
    // against the next one starting.
    void haltAllesJetzt();
    // Presses the halt button of the armed calculation now, whatever its time (Ctrl+C).
    void jetztAnhalten();
    // From now on every calculation armed here asks frage (ModulRA::rueckfrageSetzen) at its
    // first halt test after each takt of its run. Called while nothing is armed.
    void rueckfrageSetzen(std::function<bool()> frage, std::chrono::milliseconds takt);

  private:
    using Clock = std::chrono::steady_clock;
    void wachen();

    std::mutex mutex_;
    std::condition_variable cv_;
    ModulRA* modul_ = nullptr;
    bool mitFrist_ = false;
    Clock::time_point frist_;
    bool allesAnhalten_ = false;
    // Set while the thread waits for an arm() without any deadline: only then does arm()
    // wake it. Otherwise it finds the new deadline when the old one passes, and a batch of
    // short calculations costs no thread switch per calculation.
    bool wartetOhneFrist_ = false;
    std::function<bool()> frage_;
    std::chrono::milliseconds takt_{0};
    Clock::time_point naechsteFrage_;
    bool ende_ = false;
    std::thread thread_;
};

}  // namespace staffel
