#pragma once

#include <QObject>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

class QTimer;

namespace staffel::apptest {

// Guards one GUI test: closes any modal window that appears (so nothing waits for a user;
// tests that answer modal windows themselves switch this off) and ends the process with a
// message if the test has not finished in time, even when the UI thread itself is stuck.
class Watchdog : public QObject {
  public:
    explicit Watchdog(QString what, std::chrono::seconds limit = std::chrono::seconds(120),
                      bool closeModals = true);
    ~Watchdog() override;
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

  private:
    QString what_;
    QTimer* closer_;
    std::mutex mutex_;
    std::condition_variable done_;
    bool finished_ = false;
    std::thread thread_;
};

}  // namespace staffel::apptest
