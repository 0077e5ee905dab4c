#pragma once

#include <QString>
#include <span>
#include <string_view>

namespace staffel::app {

// The engine writes its messages and operation names in German; the windows show them
// through this catalogue, which gives the text of the current language. A text the
// catalogue does not know (a number, a formula) comes back unchanged.
QString engineText(std::string_view german);

// Every source text of the catalogue: exact engine texts and patterns, in which %1, %2
// stand for the parts that vary (numbers, formulas, names).
std::span<const char* const> engineTextSources();

}  // namespace staffel::app
