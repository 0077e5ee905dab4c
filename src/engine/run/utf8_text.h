#pragma once

#include <string>
#include <string_view>

namespace staffel {

// The engine's bytes as the command line's JSON and the Python module carry them, which is how
// Qt reads UTF-8: a leading byte order mark dropped, and every byte that does not begin a
// complete, well-formed sequence replaced by U+FFFD on its own.
std::string utf8Text(std::string_view text);

}  // namespace staffel
