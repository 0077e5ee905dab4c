#include "app/support_watchdog.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace staffel::apptest {

Watchdog::Watchdog(QString what, std::chrono::seconds limit, bool closeModals)
    : what_(std::move(what)), closer_(new QTimer(this)) {
    connect(closer_, &QTimer::timeout, this, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
    if (closeModals) closer_->start(250);
    thread_ = std::thread([this, limit] {
        std::unique_lock lock(mutex_);
        if (!done_.wait_for(lock, limit, [this] { return finished_; })) {
            std::fprintf(stderr, "Watchdog: %s did not finish in time\n", qPrintable(what_));
            std::fflush(stderr);
            std::_Exit(3);
        }
    });
}

Watchdog::~Watchdog() {
    {
        std::lock_guard lock(mutex_);
        finished_ = true;
    }
    done_.notify_all();
    thread_.join();
}

}  // namespace staffel::apptest
