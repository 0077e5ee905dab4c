#pragma once

#include <cstdint>

namespace staffel {

// The engine's error state (ModulRA::Fehlerstatus). The numbers are part of the answers of
// the command line and the Python module, which write them as they are.
enum class Fehler : std::int64_t {
    Keiner = 0,
    // An error was reported, a value is undetermined, or the calculation was halted.
    Gemeldet = 1,
    // A non-whole exponent reached the recursion emIII.
    RationalerExponent = 3,
    // A run-time fault (overflow, invalid argument, division by zero) was caught, or an
    // exponent lay outside 32 bits.
    Laufzeitfehler = 4,
};

}  // namespace staffel
