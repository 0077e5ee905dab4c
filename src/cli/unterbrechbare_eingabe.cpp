#include "cli/unterbrechbare_eingabe.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <ios>
#include <system_error>

namespace staffel::cli {

UnterbrechbareEingabe::UnterbrechbareEingabe(int fd) : fd_(fd), offen_(::fcntl(fd, F_GETFD) != -1) {
    // A closed fd_ would be the pipe's number, and a read would wait for its own wake-up.
    if (!offen_) return;
    if (int enden[2]; ::pipe(enden) == 0) {
        weckLesen_ = enden[0];
        weckSchreiben_ = enden[1];
    }
}

UnterbrechbareEingabe::~UnterbrechbareEingabe() {
    if (weckLesen_ < 0) return;
    ::close(weckLesen_);
    ::close(weckSchreiben_);
}

void UnterbrechbareEingabe::unterbrechen() noexcept {
    unterbrochen_.store(true);
    const char weck = 0;
    // A pipe holds far more than the one byte that every waiting read needs to see.
    [[maybe_unused]] const auto geschrieben = ::write(weckSchreiben_, &weck, 1);
}

namespace {
[[noreturn]] void fehler() {
    throw std::ios_base::failure("Eingabe", std::error_code(errno, std::generic_category()));
}
}  // namespace

UnterbrechbareEingabe::int_type UnterbrechbareEingabe::underflow() {
    if (!offen_) {
        errno = EBADF;
        fehler();
    }
    while (!unterbrochen_.load()) {
        pollfd warten[] = {{fd_, POLLIN, 0}, {weckLesen_, POLLIN, 0}};
        const int bereit = ::poll(warten, 2, -1);
        if (bereit < 0 && errno != EINTR) fehler();
        if (bereit <= 0 || warten[1].revents != 0) continue;
        const auto gelesen = ::read(fd_, puffer_.data(), puffer_.size());
        if (gelesen > 0) {
            setg(puffer_.data(), puffer_.data(), puffer_.data() + gelesen);
            return traits_type::to_int_type(puffer_[0]);
        }
        if (gelesen == 0) break;
        if (errno != EINTR && errno != EAGAIN) fehler();
    }
    return traits_type::eof();
}

// Whether a read would return without waiting: data or the end of the input is there.
std::streamsize UnterbrechbareEingabe::showmanyc() {
    pollfd bereit{fd_, POLLIN, 0};
    return ::poll(&bereit, 1, 0) > 0 && !unterbrochen_.load() ? 1 : 0;
}

}  // namespace staffel::cli
