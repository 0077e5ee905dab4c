#pragma once

#include <atomic>
#include <cstdint>
#include <limits>

namespace staffel {

// A counter that the engine thread writes and a window polls from another thread.
// Relaxed atomics compile to plain loads and stores, so counting stays as cheap as a
// plain integer; only the engine thread writes, so load-then-store needs no RMW.
// Counting saturates at the type's maximum instead of overflowing. Assignments are counted
// (on the engine thread only), so that the memo of nested calculations can tell a counter that
// a call reset from one it only counted on: a counter is written by counting or by assigning,
// and there is no third way.
template <class T>
class PolledCounter {
  public:
    constexpr explicit PolledCounter(T start = 0) noexcept : value_(start) {}
    PolledCounter(const PolledCounter&) = delete;
    PolledCounter& operator=(const PolledCounter&) = delete;

    T get() const noexcept { return value_.load(std::memory_order_relaxed); }
    void bump() noexcept {
        const T v = get();
        if (v < std::numeric_limits<T>::max()) set(static_cast<T>(v + 1));
    }
    // Counts n >= 0 at once, saturating as n single counts would; a counter still at its
    // negative start value leaves no room to be measured against the maximum.
    void bump(std::int64_t n) noexcept {
        constexpr std::int64_t kGroesst = std::numeric_limits<T>::max();
        const std::int64_t v = get();
        set(static_cast<T>(v > kGroesst - n ? kGroesst : v + n));
    }
    operator T() const noexcept { return get(); }
    PolledCounter& operator=(T value) noexcept {
        ++zuweisungen_;
        set(value);
        return *this;
    }
    std::uint64_t zuweisungen() const noexcept { return zuweisungen_; }

  private:
    // Counting stores without being an assignment; an assignment goes through operator=.
    void set(T value) noexcept { value_.store(value, std::memory_order_relaxed); }

    std::atomic<T> value_;
    std::uint64_t zuweisungen_ = 0;
};

}  // namespace staffel
