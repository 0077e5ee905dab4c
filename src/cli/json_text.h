#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace staffel::cli {

// The pieces of a compact JSON line, byte for byte as QJsonDocument writes them, without
// building a document: the batch writes one line per calculation.

// A string value in quotes, escaped.
void jsonText(std::string& aus, std::string_view text);

// A number: whole numbers up to 2^53 without exponent, others in the shorter of the decimal
// and the exponent form with the fewest digits that read back to the same double; null
// when not finite.
void jsonZahl(std::string& aus, double wert);

void jsonGanz(std::string& aus, std::int64_t wert);

}  // namespace staffel::cli
