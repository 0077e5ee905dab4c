#pragma once

#include <array>
#include <atomic>
#include <streambuf>

namespace staffel::cli {

// A file descriptor read as a stream whose waiting for input can be ended from another thread:
// after unterbrechen() every read ends as at the end of the input. A read error (a directory,
// EIO) is thrown as a file stream's buffer throws it, so the stream reading it goes bad.
class UnterbrechbareEingabe : public std::streambuf {
  public:
    explicit UnterbrechbareEingabe(int fd);
    ~UnterbrechbareEingabe() override;
    UnterbrechbareEingabe(const UnterbrechbareEingabe&) = delete;
    UnterbrechbareEingabe& operator=(const UnterbrechbareEingabe&) = delete;

    void unterbrechen() noexcept;

  protected:
    int_type underflow() override;
    std::streamsize showmanyc() override;

  private:
    const int fd_;
    const bool offen_;
    // A pipe whose readable end wakes a read waiting for fd_; -1 when none could be made, and a
    // waiting read then ends only with the input.
    int weckLesen_ = -1;
    int weckSchreiben_ = -1;
    std::atomic<bool> unterbrochen_ = false;
    std::array<char, 65536> puffer_;
};

}  // namespace staffel::cli
