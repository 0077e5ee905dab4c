#include "app/shared/ende_bei_signal.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>

namespace staffel::app {

namespace {

int signalRohr[2] = {-1, -1};

void signalErhalten(int) {
    const char zeichen = 1;
    // Nothing can be done about a full pipe: one byte already waiting ends the loop as well.
    [[maybe_unused]] const ssize_t geschrieben = ::write(signalRohr[1], &zeichen, 1);
}

}  // namespace

void endeBeiSignal(QObject* app) {
    if (::pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* melder = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, app);
    QObject::connect(melder, &QSocketNotifier::activated, app, [] {
        char zeichen = 0;
        while (::read(signalRohr[0], &zeichen, 1) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction aktion = {};
    aktion.sa_handler = signalErhalten;
    sigemptyset(&aktion.sa_mask);
    aktion.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) sigaction(signal, &aktion, nullptr);
}

}  // namespace staffel::app
