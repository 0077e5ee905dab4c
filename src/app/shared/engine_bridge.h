#pragma once

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "engine/engine_host.h"
#include "engine/run/calculation_runner.h"

class QWidget;

namespace staffel {
class ModulRA;
}

namespace staffel::app {

// The calculation thread of one ModulRA, for every window that calculates on it: runs one job
// at a time off the UI thread, carries what the job hands over to the UI thread, and hosts the
// engine's message boxes: the calculation thread waits while the UI thread shows the modal
// "Problem" box. Everything but zeigeMeldung and postToUi is called on the UI thread.
class EngineBridge : public QObject, public EngineHost {
    Q_OBJECT
  public:
    EngineBridge(ModulRA& modul, QWidget* window);
    ~EngineBridge() override;
    EngineBridge(const EngineBridge&) = delete;
    EngineBridge& operator=(const EngineBridge&) = delete;

    ModulRA& modul() const { return modul_; }

    // True from start() until finished has run or stopAndWait() returned.
    bool busy() const { return busy_; }

    // Clears the halt request, then runs job on the calculation thread; finished runs on the
    // UI thread once the job has ended. False when a calculation is still busy.
    bool start(std::function<void()> job, std::function<void()> finished);

    // Asks the running calculation to stop at its next halt point; it finishes normally.
    void requestHalt();

    // Stops the running calculation and waits for its thread to end. What it handed to the UI
    // thread and its finished callback are dropped; a message box it still waits for is
    // answered at once.
    void stopAndWait();

    // Stops the running calculation as stopAndWait() does, but keeps what it computed: what it
    // handed over, and then its finished callback, run before this returns. The halt request
    // ends with the calculation.
    void haltAndWait();

    // Runs task on the UI thread, after the tasks posted before it and before the finished
    // callback of the running job; callable from any thread.
    void postToUi(std::function<void()> task);

    void zeigeMeldung(TextId text) override;

    // The text of the first "Problem" box the last calculation raised, in the engine's German;
    // empty when it raised none.
    const QString& problemDesLaufs() const { return problemDesLaufs_; }

  private:
    // False when no task was waiting.
    Q_INVOKABLE bool runPosted();
    // Ends the running calculation's thread; a message box it waits for is answered at once.
    void cancelAndJoin();
    void vermerkeProblem(TextId text);

    struct PendingMessage {
        bool done = false;
    };

    ModulRA& modul_;
    QPointer<QWidget> window_;
    CalculationRunner runner_{this};
    bool busy_ = false;
    quint64 run_ = 0;
    QString problemDesLaufs_;

    std::mutex mutex_;
    std::condition_variable answered_;
    bool cancelled_ = false;
    std::deque<std::function<void()>> posted_;
};

}  // namespace staffel::app
