#include "engine/run/stack_fiber.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <new>

#include "engine/run/calculation_runner.h"

#if defined(__SANITIZE_ADDRESS__)
#define STAFFEL_FIBER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define STAFFEL_FIBER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_THREAD__)
#define STAFFEL_FIBER_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define STAFFEL_FIBER_TSAN 1
#endif
#endif

#ifdef STAFFEL_FIBER_ASAN
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#endif
#ifdef STAFFEL_FIBER_TSAN
#include <sanitizer/tsan_interface.h>
#endif

#if defined(__x86_64__)
// Saves the callee-saved registers and the SSE and x87 control words on the current stack,
// stores its pointer in *sichern, and resumes the stack laden as it was saved.
extern "C" void staffel_stapel_wechseln(void** sichern, void* laden);
asm(R"(
    .text
    .globl staffel_stapel_wechseln
    .hidden staffel_stapel_wechseln
    .type staffel_stapel_wechseln, @function
staffel_stapel_wechseln:
    pushq %rbp
    pushq %rbx
    pushq %r12
    pushq %r13
    pushq %r14
    pushq %r15
    subq $16, %rsp
    stmxcsr 8(%rsp)
    fnstcw 12(%rsp)
    movq %rsp, (%rdi)
    movq %rsi, %rsp
    ldmxcsr 8(%rsp)
    fldcw 12(%rsp)
    addq $16, %rsp
    popq %r15
    popq %r14
    popq %r13
    popq %r12
    popq %rbx
    popq %rbp
    ret
    .size staffel_stapel_wechseln, .-staffel_stapel_wechseln
)");
#endif

namespace staffel {

namespace {
// makecontext hands the entry function ints only; the fiber being entered is the thread's.
thread_local StackFiber* eintretend = nullptr;
}  // namespace

StackFiber::StackFiber() {
    const auto seite = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    mappingBytes_ = CalculationRunner::kStackBytes + seite;
    // Address space only, as a thread's stack: pages are committed as the recursion touches
    // them. The lowest page stays inaccessible, so an overflow faults instead of writing on.
    mapping_ = mmap(nullptr, mappingBytes_, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE | MAP_STACK, -1, 0);
    if (mapping_ == MAP_FAILED) throw std::bad_alloc();
    if (mprotect(mapping_, seite, PROT_NONE) != 0) {
        munmap(mapping_, mappingBytes_);
        throw std::bad_alloc();
    }
    stackBottom_ = static_cast<char*>(mapping_) + seite;
    stackBytes_ = CalculationRunner::kStackBytes;
    // The fiber starts in entry at the first run and stays there, one job after another, so
    // that every frame it enters it also leaves (ThreadSanitizer counts them).
#if defined(__x86_64__)
    // What staffel_stapel_wechseln pops, top down: a null return address that ends every
    // backtrace, entry as the address its ret goes to, six zero registers, the control words.
    auto* oben = reinterpret_cast<std::uintptr_t*>(static_cast<char*>(stackBottom_) + stackBytes_);
    oben[-1] = 0;
    oben[-2] = reinterpret_cast<std::uintptr_t>(&StackFiber::entry);
    for (int i = 3; i <= 8; ++i) oben[-i] = 0;
    fiberSp_ = oben - 10;
    asm volatile("stmxcsr 8(%0)\n\tfnstcw 12(%0)" : : "r"(fiberSp_) : "memory");
#else
    getcontext(&fiber_);
    fiber_.uc_stack.ss_sp = stackBottom_;
    fiber_.uc_stack.ss_size = stackBytes_;
    fiber_.uc_link = nullptr;
    makecontext(&fiber_, &StackFiber::entry, 0);
#endif
#ifdef STAFFEL_FIBER_TSAN
    tsanFiber_ = __tsan_create_fiber(0);
#endif
}

StackFiber::~StackFiber() {
#ifdef STAFFEL_FIBER_TSAN
    __tsan_destroy_fiber(tsanFiber_);
#endif
    munmap(mapping_, mappingBytes_);
}

void StackFiber::run(const std::function<void()>& job) noexcept {
    job_ = &job;
    eintretend = this;
#ifdef STAFFEL_FIBER_ASAN
    void* falscherStapel = nullptr;
    __sanitizer_start_switch_fiber(&falscherStapel, stackBottom_, stackBytes_);
#endif
#ifdef STAFFEL_FIBER_TSAN
    tsanCaller_ = __tsan_get_current_fiber();
    __tsan_switch_to_fiber(tsanFiber_, 0);
#endif
#if defined(__x86_64__)
    staffel_stapel_wechseln(&callerSp_, fiberSp_);
#else
    swapcontext(&caller_, &fiber_);
#endif
#ifdef STAFFEL_FIBER_ASAN
    __sanitizer_finish_switch_fiber(falscherStapel, nullptr, nullptr);
#endif
}

void StackFiber::entry() {
    StackFiber* self = eintretend;
#ifdef STAFFEL_FIBER_ASAN
    void* falscherStapel = nullptr;
    __sanitizer_finish_switch_fiber(nullptr, &self->callerBottom_, &self->callerBytes_);
#endif
    while (true) {
#if defined(__x86_64__) || defined(__i386__)
        // As on a calculation thread (CalculationRunner::threadMain): the caller may have left
        // the upper halves of the AVX registers in use, which slows every SSE instruction.
        if (__builtin_cpu_supports("avx")) asm volatile("vzeroupper");
#endif
        (*self->job_)();
#ifdef STAFFEL_FIBER_ASAN
        __sanitizer_start_switch_fiber(&falscherStapel, self->callerBottom_, self->callerBytes_);
#endif
#ifdef STAFFEL_FIBER_TSAN
        __tsan_switch_to_fiber(self->tsanCaller_, 0);
#endif
#if defined(__x86_64__)
        staffel_stapel_wechseln(&self->fiberSp_, self->callerSp_);
#else
        swapcontext(&self->fiber_, &self->caller_);
#endif
#ifdef STAFFEL_FIBER_ASAN
        __sanitizer_finish_switch_fiber(falscherStapel, &self->callerBottom_, &self->callerBytes_);
#endif
    }
}

}  // namespace staffel
