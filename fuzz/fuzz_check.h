#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

// A broken property aborts, so libFuzzer keeps the input as a crash and a replay fails.
#define FUZZ_CHECK(condition, what)                                                       \
    do {                                                                                  \
        if (!(condition)) {                                                               \
            std::fprintf(stderr, "%s:%d: property failed: %s (%s)\n", __FILE__, __LINE__, \
                         #condition, what);                                               \
            std::abort();                                                                 \
        }                                                                                 \
    } while (false)

namespace staffel::fuzz {

inline std::string_view alsText(const unsigned char* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace staffel::fuzz
