#include "engine/run/utf8_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

using namespace std::string_view_literals;

// Each byte that starts no complete, well-formed sequence becomes U+FFFD on its own, as Qt
// reads it; the command line's JSON and the Python module both rely on exactly this.
TEST(Utf8Text, ReplacesEachInvalidByteAndDropsOnlyALeadingByteOrderMark) {
    struct Fall {
        std::string_view text;
        std::string soll;
    };
    const auto ersatz = [](int anzahl) {
        std::string text;
        for (int i = 0; i < anzahl; ++i) text += "\xEF\xBF\xBD";
        return text;
    };
    const Fall faelle[] = {
        {"a\0\xc3\xa4 \xe2\x88\x9e \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf"sv,
         std::string("a\0\xc3\xa4 \xe2\x88\x9e \xf0\x9f\x98\x80 \xf4\x8f\xbf\xbf"sv)},
        {"\xef\xbb\xbf\xef\xbb\xbf", "\xef\xbb\xbf"},
        {"a\xef\xbb\xbf", "a\xef\xbb\xbf"},
        {"\xed\xa0\x80", ersatz(3)},      // a surrogate
        {"\xc0\x80", ersatz(2)},          // overlong
        {"\xe0\x9f\xbf", ersatz(3)},      // overlong
        {"\xf4\x90\x80\x80", ersatz(4)},  // beyond U+10FFFF
        {"\xf5\x80\x80\x80", ersatz(4)},
        {"a\xc3", "a" + ersatz(1)},      // cut off at the end
        {"\xe2\x82x", ersatz(2) + "x"},  // cut off before an ASCII byte
        {"\xc3(\x80\xff", ersatz(1) + "(" + ersatz(2)},
    };
    for (const Fall& f : faelle) EXPECT_EQ(staffel::utf8Text(f.text), f.soll) << f.soll;
}

}  // namespace
