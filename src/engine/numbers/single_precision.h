#pragma once

#include <cfloat>
#include <cmath>
#include <limits>

namespace staffel {

// Rounds to single precision. Magnitudes beyond the float range become infinite instead of
// being undefined behaviour, which keeps every comparison against a small bound sound.
inline float toSingle(double x) noexcept {
    if (std::isnan(x)) return std::numeric_limits<float>::quiet_NaN();
    if (x > FLT_MAX) return std::numeric_limits<float>::infinity();
    if (x < -FLT_MAX) return -std::numeric_limits<float>::infinity();
    return static_cast<float>(x);
}

}  // namespace staffel
