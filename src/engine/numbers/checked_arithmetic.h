#pragma once

#include <cmath>
#include <cstdint>

namespace staffel {

// The run-time faults a closed form can run into. Doubles never trap, so each
// operation below looks at its operands and result and records what a trapping
// machine would have stopped at.
enum class Fault : std::uint8_t { None, Overflow, Undefined, DivisionByZero };

// Arithmetic of one closed-form evaluation. The first fault is kept: a trapping
// machine would have stopped there, so later operations (which then see NaN or
// infinity) must not overwrite it. Operands are finite unless an earlier
// operation of the same evaluation has already faulted.
class CheckedArithmetic {
  public:
    Fault fault() const noexcept { return fault_; }
    bool faulted() const noexcept { return fault_ != Fault::None; }

    double add(double a, double c) noexcept { return finite(a + c); }
    double sub(double a, double c) noexcept { return finite(a - c); }
    double mul(double a, double c) noexcept { return finite(a * c); }

    double div(double a, double c) noexcept {
        if (c == 0) {
            record(Fault::DivisionByZero);
            return NAN;
        }
        return finite(a / c);
    }

    double pow(double a, double c) noexcept {
        // Two cases the solvers meet by the thousand when they search the edge of a defined
        // region, answered without pow's slow paths: b ^ 1 of a power tower, which pow
        // returns exactly, and a negative base with a non-whole exponent, which is NaN.
        if (std::isfinite(a) && std::isfinite(c)) {
            if (c == 1) return a;
            if (a < 0 && std::trunc(c) != c) {
                record(Fault::Undefined);
                return NAN;
            }
        }
        const double r = std::pow(a, c);
        if (std::isfinite(r)) [[likely]]
            return r;
        // An infinity from base 0 is 0 to a negative power; any other infinity is a true
        // overflow, and NaN comes only from operands that are already NaN.
        record(std::isnan(r) || a == 0 ? Fault::Undefined : Fault::Overflow);
        return r;
    }

    double ln(double x) noexcept {
        if (!(x > 0)) {
            record(Fault::Undefined);
            return NAN;
        }
        return std::log(x);
    }

    // ln(x) / ln(y), evaluated in that order; base 1 divides by zero.
    double logBasis(double x, double y) noexcept {
        const double numerator = ln(x);
        const double denominator = ln(y);
        return div(numerator, denominator);
    }

  private:
    double finite(double r) noexcept {
        if (std::isfinite(r)) [[likely]]
            return r;
        record(std::isnan(r) ? Fault::Undefined : Fault::Overflow);
        return r;
    }
    void record(Fault f) noexcept {
        if (fault_ == Fault::None) fault_ = f;
    }

    Fault fault_ = Fault::None;
};

}  // namespace staffel
