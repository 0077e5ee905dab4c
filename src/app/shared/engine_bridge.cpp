#include "app/shared/engine_bridge.h"

#include <QThread>
#include <QWidget>

#include "app/language/engine_texts.h"
#include "app/shared/message_seam.h"
#include "engine/modul_ra.h"

namespace staffel::app {

EngineBridge::EngineBridge(ModulRA& modul, QWidget* window) : modul_(modul), window_(window) {}

EngineBridge::~EngineBridge() {
    stopAndWait();
}

bool EngineBridge::start(std::function<void()> job, std::function<void()> finished) {
    if (busy_) return false;
    runner_.join();
    {
        std::lock_guard lock(mutex_);
        cancelled_ = false;
    }
    // A halt that was requested while nothing ran must not end this calculation.
    modul_.haltZuruecknehmen();
    problemDesLaufs_.clear();
    const quint64 run = ++run_;
    auto onFinished = [this, run, finished = std::move(finished)] {
        postToUi([this, run, finished] {
            if (run != run_ || !busy_) return;
            runner_.join();
            busy_ = false;
            finished();
        });
    };
    busy_ = true;
    if (!runner_.start(std::move(job), std::move(onFinished))) {
        busy_ = false;
        return false;
    }
    return true;
}

void EngineBridge::requestHalt() {
    modul_.anhalten();
}

void EngineBridge::cancelAndJoin() {
    modul_.anhalten();
    {
        std::lock_guard lock(mutex_);
        cancelled_ = true;
    }
    answered_.notify_all();
    runner_.join();
}

void EngineBridge::stopAndWait() {
    if (!busy_) {
        runner_.join();
        return;
    }
    cancelAndJoin();
    // Left queued, they would run in the next run, whose start takes back the cancellation.
    {
        std::lock_guard lock(mutex_);
        posted_.clear();
    }
    busy_ = false;
    ++run_;
}

void EngineBridge::haltAndWait() {
    if (!busy_) return;
    cancelAndJoin();
    // The finished callback is the last task the ended thread posted.
    while (busy_ && runPosted()) {
    }
    modul_.haltZuruecknehmen();
}

void EngineBridge::zeigeMeldung(TextId text) {
    if (QThread::currentThread() == thread()) {
        vermerkeProblem(text);
        zeigeNachricht(window_, problem(engineText(text)));
        return;
    }
    auto pending = std::make_shared<PendingMessage>();
    {
        std::lock_guard lock(mutex_);
        if (cancelled_) return;
    }
    postToUi([this, pending, text] {
        bool skip = false;
        {
            std::lock_guard lock(mutex_);
            skip = cancelled_;
        }
        vermerkeProblem(text);
        // Translated here: the language is the UI thread's.
        if (!skip) zeigeNachricht(window_, problem(engineText(text)));
        {
            std::lock_guard lock(mutex_);
            pending->done = true;
        }
        answered_.notify_all();
    });
    std::unique_lock lock(mutex_);
    answered_.wait(lock, [&] { return pending->done || cancelled_; });
}

void EngineBridge::vermerkeProblem(TextId text) {
    if (problemDesLaufs_.isEmpty()) problemDesLaufs_ = QString::fromUtf8(deutsch(text));
}

void EngineBridge::postToUi(std::function<void()> task) {
    {
        std::lock_guard lock(mutex_);
        posted_.push_back(std::move(task));
    }
    // Called by name: then only our mutex carries the task across threads. A posted functor
    // would be handed over inside Qt's event queue, whose locking the thread sanitizer cannot
    // see, and every hand-over would look like a race to it.
    QMetaObject::invokeMethod(this, "runPosted", Qt::QueuedConnection);
}

bool EngineBridge::runPosted() {
    std::function<void()> task;
    {
        std::lock_guard lock(mutex_);
        if (posted_.empty()) return false;
        task = std::move(posted_.front());
        posted_.pop_front();
    }
    task();
    return true;
}

}  // namespace staffel::app
