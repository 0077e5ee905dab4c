#include "engine/closed_forms/closed_form_cases.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace staffel {

namespace {

enum class ATest : std::uint8_t {
    Any,           // A is not looked at
    Whole,         // A equals the pattern
    FirstDigit,    // the first character of A equals the pattern
    FirstAndLast,  // first character of A and its last (pattern length - 1) characters
};

struct Alternative {
    double R;
    ATest test;
    std::string_view pattern;
    std::uint8_t number;
};

bool passes(ATest test, std::string_view pattern, std::string_view A) noexcept {
    switch (test) {
        case ATest::Any:
            return true;
        case ATest::Whole:
            return A == pattern;
        case ATest::FirstDigit:
            return A.substr(0, 1) == pattern;
        case ATest::FirstAndLast: {
            if (A.empty() || A.front() != pattern.front()) return false;
            // An A shorter than the tail is taken whole.
            const std::size_t k = pattern.size() - 1;
            return A.substr(A.size() - std::min(k, A.size())) == pattern.substr(1);
        }
    }
    return false;
}

constexpr auto A_ = ATest::Any;
constexpr auto W_ = ATest::Whole;
constexpr auto F_ = ATest::FirstDigit;
constexpr auto FL = ATest::FirstAndLast;

// In the order they are tried; R is compared as the double quotient, so 10/6 meets 5/3.
constexpr std::array kAlternatives = {
    Alternative{1.0, A_, "", 1},           Alternative{2.0, A_, "", 2},
    Alternative{3.0, A_, "", 3},           Alternative{2.0 / 3, W_, "0", 3},
    Alternative{4.0, A_, "", 4},           Alternative{5.0 / 3, W_, "00", 4},
    Alternative{5.0 / 3, W_, "01", 4},     Alternative{5.0, A_, "", 5},
    Alternative{8.0 / 3, F_, "0", 5},      Alternative{1.0 / 2, A_, "", 6},
    Alternative{1.0 / 3, A_, "", 7},       Alternative{3.0 / 2, A_, "", 7},
    Alternative{1.0 / 4, A_, "", 8},       Alternative{3.0 / 5, F_, "0", 8},
    Alternative{11.0 / 3, W_, "0000", 9},  Alternative{6.0, W_, "0", 9},
    Alternative{11.0 / 3, W_, "0110", 9},  Alternative{11.0 / 3, W_, "0100", 9},
    Alternative{3.0 / 8, FL, "00", 10},    Alternative{1.0 / 5, W_, "0", 10},
    Alternative{3.0 / 8, FL, "01", 11},    Alternative{1.0 / 5, W_, "1", 11},
    Alternative{3.0 / 11, FL, "001", 12},  Alternative{1.0 / 6, W_, "01", 12},
    Alternative{2.0 / 3, W_, "1", 13},     Alternative{5.0 / 2, W_, "0", 14},
    Alternative{5.0 / 3, W_, "11", 14},    Alternative{4.0 / 3, W_, "0", 14},
    Alternative{5.0 / 2, W_, "1", 15},     Alternative{5.0 / 3, W_, "10", 15},
    Alternative{4.0 / 3, W_, "1", 15},     Alternative{3.0 / 4, W_, "01", 16},
    Alternative{3.0 / 5, W_, "111", 16},   Alternative{2.0 / 5, W_, "01", 16},
    Alternative{2.0 / 5, W_, "00", 17},    Alternative{3.0 / 5, W_, "110", 17},
    Alternative{3.0 / 7, W_, "001", 18},   Alternative{3.0 / 8, W_, "1101", 18},
    Alternative{2.0 / 7, W_, "001", 18},   Alternative{8.0 / 5, FL, "00", 19},
    Alternative{5.0 / 4, W_, "0", 19},     Alternative{2.0 / 5, W_, "00", 20},
    Alternative{3.0 / 4, W_, "00", 20},    Alternative{3.0 / 5, W_, "110", 20},
    Alternative{5.0 / 8, FL, "000", 21},   Alternative{4.0 / 5, W_, "00", 21},
    Alternative{5.0 / 8, FL, "001", 22},   Alternative{4.0 / 5, W_, "01", 22},
    Alternative{11.0 / 8, FL, "000", 23},  Alternative{6.0 / 5, W_, "00", 23},
    Alternative{8.0 / 11, FL, "0001", 24}, Alternative{5.0 / 6, W_, "001", 24},
    Alternative{7.0 / 2, W_, "00", 25},    Alternative{7.0 / 3, W_, "00", 25},
    Alternative{8.0 / 3, W_, "110", 25},   Alternative{13.0 / 5, FL, "000", 26},
    Alternative{9.0 / 4, W_, "00", 26},    Alternative{7.0 / 5, W_, "000", 27},
    Alternative{7.0 / 4, W_, "000", 27},   Alternative{8.0 / 5, W_, "1100", 27},
    Alternative{13.0 / 8, FL, "0000", 28}, Alternative{9.0 / 5, W_, "000", 28},
    Alternative{5.0 / 13, FL, "0001", 29}, Alternative{4.0 / 9, W_, "001", 29},
    Alternative{5.0 / 7, W_, "0001", 30},  Alternative{4.0 / 7, W_, "0001", 30},
    Alternative{5.0 / 8, W_, "11001", 30}, Alternative{8.0 / 13, FL, "00001", 31},
    Alternative{5.0 / 9, W_, "0001", 31},  Alternative{7.0 / 2, W_, "10", 32},
    Alternative{7.0 / 2, W_, "11", 32},    Alternative{7.0 / 3, W_, "10", 32},
    Alternative{7.0 / 3, W_, "11", 32},    Alternative{8.0 / 3, W_, "100", 32},
    Alternative{8.0 / 3, W_, "101", 32},   Alternative{2.0 / 5, W_, "10", 33},
    Alternative{3.0 / 4, W_, "10", 33},
};

}  // namespace

int closedFormCase(Int16 n, Int16 d, std::string_view A) noexcept {
    const double R = static_cast<double>(n) / static_cast<double>(d);
    for (const Alternative& alternative : kAlternatives) {
        if (alternative.R == R && passes(alternative.test, alternative.pattern, A)) {
            return alternative.number;
        }
    }
    return 0;
}

}  // namespace staffel
