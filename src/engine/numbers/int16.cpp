#include "engine/numbers/int16.h"

#include <cmath>

namespace staffel {

namespace {
std::optional<Int16> fits(int value) {
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<Int16>(value);
}
}  // namespace

std::optional<Int16> toInt16(double value) {
    if (std::isnan(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);  // default rounding mode: ties to even
    if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
    return static_cast<Int16>(rounded);
}

std::optional<Int16> add16(Int16 a, Int16 b) {
    return fits(int{a} + int{b});
}
std::optional<Int16> sub16(Int16 a, Int16 b) {
    return fits(int{a} - int{b});
}
std::optional<Int16> abs16(Int16 a) {
    return fits(a < 0 ? -int{a} : int{a});
}

}  // namespace staffel
