#pragma once

#include <QObject>
#include <QPointer>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

#include "engine/calculation_runner.h"
#include "engine/engine_host.h"

class QWidget;

namespace staffel {
class ModulRA;
}

namespace staffel::app {

// Runs calculations of one ModulRA off the UI thread and hosts the engine's message boxes:
// the calculation thread waits while the UI thread shows the modal "Problem" box.
// Everything but zeigeMeldung is called on the UI thread.
class EngineBridge : public QObject, public EngineHost {
    Q_OBJECT
  public:
    EngineBridge(ModulRA& modul, QWidget* window);
    ~EngineBridge() override;
    EngineBridge(const EngineBridge&) = delete;
    EngineBridge& operator=(const EngineBridge&) = delete;

    // True from start() until finished has run or stopAndWait() returned.
    bool busy() const { return busy_; }

    // Clears the halt request, then runs job on the calculation thread; finished runs on the
    // UI thread once the job has ended. False when a calculation is still busy.
    bool start(std::function<void()> job, std::function<void()> finished);

    // Asks the running calculation to stop at its next halt point; it finishes normally.
    void requestHalt();

    // Stops the running calculation and waits for its thread to end. Its finished callback
    // is dropped; a message box it still waits for is answered at once.
    void stopAndWait();

    void zeigeMeldung(const std::string& text) override;

    // The text of the first "Problem" box the last calculation raised, in the engine's German;
    // empty when it raised none.
    const QString& problemDesLaufs() const { return problemDesLaufs_; }

  private:
    void vermerkeProblem(const std::string& text);
    // Runs task on the UI thread; callable from any thread.
    void postToUi(std::function<void()> task);
    Q_INVOKABLE void runPosted();

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
