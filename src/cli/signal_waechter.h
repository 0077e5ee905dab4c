#pragma once

#include <atomic>
#include <functional>
#include <thread>

namespace staffel::cli {

// While it lives, SIGINT, SIGTERM and SIGHUP no longer end the process: the first of them calls
// wennSignal with its number on a thread of the watcher's own (where locks may be taken, unlike
// in a signal handler), and a second one ends the process as the signal always does, for a
// user whom the orderly end keeps waiting (an output nobody reads). One watcher at a time.
class SignalWaechter {
  public:
    explicit SignalWaechter(std::function<void(int)> wennSignal);
    ~SignalWaechter();
    SignalWaechter(const SignalWaechter&) = delete;
    SignalWaechter& operator=(const SignalWaechter&) = delete;

    // The number of the signal that came; 0 while none has.
    int signal() const { return signal_.load(); }

  private:
    void warten();

    std::function<void(int)> wennSignal_;
    std::atomic<int> signal_ = 0;
    int lesen_ = -1;
    std::thread thread_;
};

}  // namespace staffel::cli
