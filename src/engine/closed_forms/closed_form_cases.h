#pragma once

#include <string_view>

#include "engine/numbers/int16.h"

namespace staffel {

// The number of the first closed form (the row of closed_form_table.h) whose alternative
// holds for R = n / d and A, or 0 when none does.
int closedFormCase(Int16 n, Int16 d, std::string_view A) noexcept;

}  // namespace staffel
