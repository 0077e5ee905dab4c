#pragma once

#include <cstddef>
#include <functional>

#if !defined(__x86_64__)
#include <ucontext.h>
#endif

namespace staffel {

// A stack of CalculationRunner::kStackBytes on which the calling thread itself runs a job:
// switching to it costs some nanoseconds, handing the job to a thread with such a stack
// several microseconds. On x86-64 the switch is our own, as swapcontext changes the signal
// mask by system calls that cost microseconds here; elsewhere it is swapcontext. Each thread that
// calculates keeps one; a job must not throw (CalculationRunner::runGuarded) and must not switch
// stacks itself.
class StackFiber {
  public:
    StackFiber();  // throws std::bad_alloc when the address space cannot be reserved
    ~StackFiber();
    StackFiber(const StackFiber&) = delete;
    StackFiber& operator=(const StackFiber&) = delete;

    // Runs job on the fiber's stack and returns once it has ended.
    void run(const std::function<void()>& job) noexcept;

  private:
    [[noreturn]] static void entry();

    void* mapping_ = nullptr;
    std::size_t mappingBytes_ = 0;
    void* stackBottom_ = nullptr;  // lowest usable address, above the guard page
    std::size_t stackBytes_ = 0;
    const std::function<void()>* job_ = nullptr;
#if defined(__x86_64__)
    void* callerSp_ = nullptr;
    void* fiberSp_ = nullptr;
#else
    ucontext_t caller_{};
    ucontext_t fiber_{};
#endif
    // What the sanitizers need to follow the switches.
    const void* callerBottom_ = nullptr;
    std::size_t callerBytes_ = 0;
    void* tsanFiber_ = nullptr;
    void* tsanCaller_ = nullptr;
};

}  // namespace staffel
