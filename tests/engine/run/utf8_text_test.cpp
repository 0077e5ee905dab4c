#include "engine/run/utf8_text.h"

#include <gtest/gtest.h>

namespace {

// As Qt reads UTF-8, only a leading byte order mark goes. Each byte that starts no complete,
// well-formed sequence becomes U+FFFD on its own: the golden file rechenzahl_und_eingaben
// holds those cases, end to end through the command line's JSON.
TEST(Utf8Text, DropsOnlyALeadingByteOrderMark) {
    EXPECT_EQ(staffel::utf8Text("\xef\xbb\xbf\xef\xbb\xbf"), "\xef\xbb\xbf");
    EXPECT_EQ(staffel::utf8Text("a\xef\xbb\xbf"), "a\xef\xbb\xbf");
}

}  // namespace
