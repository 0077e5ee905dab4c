#pragma once

#include <cstdint>
#include <optional>

namespace staffel {

// Numerator and denominator of a Rechenzahl are 16-bit signed throughout; every
// operation on them reports leaving that range instead of wrapping.
using Int16 = std::int16_t;

// Rounds to the nearest integer, ties to even; nullopt outside -32768..32767 or for NaN.
std::optional<Int16> toInt16(double value);

std::optional<Int16> add16(Int16 a, Int16 b);
std::optional<Int16> sub16(Int16 a, Int16 b);
std::optional<Int16> abs16(Int16 a);

}  // namespace staffel
