#pragma once

#include <string>
#include <string_view>

namespace staffel::python {

// The text as the command line's JSON carries it (Qt's reading of UTF-8): a leading byte order
// mark dropped, and every byte that does not begin a complete, well-formed sequence replaced
// by U+FFFD on its own.
std::string utf8WieQt(std::string_view text);

}  // namespace staffel::python
