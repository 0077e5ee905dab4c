#include "cli/signal_waechter.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>
#include <utility>

namespace staffel::cli {

namespace {

constexpr int kSignale[] = {SIGINT, SIGTERM, SIGHUP};

// The handler can reach nothing but a global, and may do nothing but write.
int signalSchreiben = -1;

extern "C" void signalMelden(int nummer) {
    const int errnoVorher = errno;
    const unsigned char byte = static_cast<unsigned char>(nummer);
    [[maybe_unused]] const auto geschrieben = ::write(signalSchreiben, &byte, 1);
    errno = errnoVorher;
}

void behandeln(void (*behandlung)(int)) {
    struct sigaction aktion {};
    aktion.sa_handler = behandlung;
    sigemptyset(&aktion.sa_mask);
    // Reads and writes of other threads go on as if nothing had happened.
    aktion.sa_flags = SA_RESTART;
    for (const int nummer : kSignale) sigaction(nummer, &aktion, nullptr);
}

}  // namespace

SignalWaechter::SignalWaechter(std::function<void(int)> wennSignal)
    : wennSignal_(std::move(wennSignal)) {
    // Without a pipe or a thread the signals keep their usual action.
    int enden[2];
    if (::pipe(enden) != 0) return;
    lesen_ = enden[0];
    signalSchreiben = enden[1];
    try {
        thread_ = std::thread([this] { warten(); });
    } catch (const std::system_error&) {
        return;
    }
    behandeln(signalMelden);
}

SignalWaechter::~SignalWaechter() {
    if (thread_.joinable()) {
        behandeln(SIG_DFL);
        const unsigned char ende = 0;
        [[maybe_unused]] const auto geschrieben = ::write(signalSchreiben, &ende, 1);
        thread_.join();
    }
    if (lesen_ < 0) return;
    ::close(lesen_);
    ::close(signalSchreiben);
    signalSchreiben = -1;
}

void SignalWaechter::warten() {
    unsigned char nummer = 0;
    while (true) {
        const auto gelesen = ::read(lesen_, &nummer, 1);
        if (gelesen < 0 && errno == EINTR) continue;
        if (gelesen <= 0 || nummer == 0) return;
        if (signal_.exchange(nummer) != 0) continue;
        behandeln(SIG_DFL);
        wennSignal_(nummer);
    }
}

}  // namespace staffel::cli
