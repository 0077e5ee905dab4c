#include "cli/json_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "engine/run/utf8_text.h"

namespace staffel::cli {

namespace {

bool ascii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

void jsonText(std::string& aus, std::string_view text) {
    std::string umgewandelt;
    if (!ascii(text)) {
        umgewandelt = utf8Text(text);
        text = umgewandelt;
    }
    aus += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                aus += "\\\"";
                break;
            case '\\':
                aus += "\\\\";
                break;
            case '\b':
                aus += "\\b";
                break;
            case '\f':
                aus += "\\f";
                break;
            case '\n':
                aus += "\\n";
                break;
            case '\r':
                aus += "\\r";
                break;
            case '\t':
                aus += "\\t";
                break;
            default:
                if (const auto u = static_cast<unsigned char>(c); u < 0x20) {
                    aus += "\\u00";
                    aus += "0123456789abcdef"[u >> 4];
                    aus += "0123456789abcdef"[u & 0xf];
                } else {
                    aus += c;
                }
        }
    }
    aus += '"';
}

void jsonZahl(std::string& aus, double wert) {
    // Qt keeps a whole double that an integer holds without gaining precision as that integer.
    constexpr double kGanzBis = 9007199254740992.0;  // 2^53
    if (!std::isfinite(wert)) {
        aus += "null";
        return;
    }
    if (std::trunc(wert) == wert && std::fabs(wert) <= kGanzBis) {
        jsonGanz(aus, static_cast<std::int64_t>(wert));
        return;
    }
    char puffer[32];
    const char* ende =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::scientific).ptr;
    const std::string_view exponentForm(puffer, static_cast<std::size_t>(ende - puffer));
    const std::size_t vorzeichen = wert < 0 ? 1 : 0;
    const std::size_t e = exponentForm.find('e');
    std::string ziffern(1, exponentForm[vorzeichen]);
    if (e > vorzeichen + 1) ziffern += exponentForm.substr(vorzeichen + 2, e - vorzeichen - 2);
    int exponent = 0;
    std::from_chars(puffer + e + 2, ende, exponent);
    // The position of the decimal point after the first digit, as in 0.ziffern * 10^punkt.
    const int punkt = (puffer[e + 1] == '-' ? -exponent : exponent) + 1;
    const int n = static_cast<int>(ziffern.size());
    const int dezimalLaenge = punkt <= 0 ? 2 - punkt + n : (punkt < n ? n + 1 : punkt);
    if (static_cast<int>(exponentForm.size() - vorzeichen) < dezimalLaenge) {
        aus += exponentForm;
        return;
    }
    if (vorzeichen) aus += '-';
    if (punkt <= 0) {
        aus += "0.";
        aus.append(static_cast<std::size_t>(-punkt), '0');
        aus += ziffern;
    } else if (punkt < n) {
        aus.append(ziffern, 0, static_cast<std::size_t>(punkt));
        aus += '.';
        aus.append(ziffern, static_cast<std::size_t>(punkt));
    } else {
        aus += ziffern;
        aus.append(static_cast<std::size_t>(punkt - n), '0');
    }
}

void jsonGanz(std::string& aus, std::int64_t wert) {
    char puffer[24];
    aus.append(puffer, std::to_chars(puffer, puffer + sizeof puffer, wert).ptr);
}

}  // namespace staffel::cli
