#include "engine/run/utf8_text.h"

#include <algorithm>
#include <cstdint>

namespace staffel {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kErsatz = "\xEF\xBF\xBD";

// The length of the well-formed sequence at the start of rest, 0 when there is none.
std::size_t folgenLaenge(std::string_view rest) {
    const auto byte = [&rest](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
    const unsigned char erstes = byte(0);
    std::size_t laenge = 0;
    std::uint32_t zeichen = 0;
    std::uint32_t kleinstes = 0;  // below it the sequence is an overlong form
    if (erstes >= 0xC2 && erstes <= 0xDF) {
        laenge = 2, zeichen = erstes & 0x1Fu, kleinstes = 0x80;
    } else if (erstes >= 0xE0 && erstes <= 0xEF) {
        laenge = 3, zeichen = erstes & 0x0Fu, kleinstes = 0x800;
    } else if (erstes >= 0xF0 && erstes <= 0xF4) {
        laenge = 4, zeichen = erstes & 0x07u, kleinstes = 0x10000;
    } else {
        return 0;
    }
    if (rest.size() < laenge) return 0;
    for (std::size_t i = 1; i < laenge; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
        zeichen = (zeichen << 6) | (byte(i) & 0x3Fu);
    }
    const bool surrogat = zeichen >= 0xD800 && zeichen <= 0xDFFF;
    return zeichen < kleinstes || surrogat || zeichen > 0x10FFFF ? 0 : laenge;
}

}  // namespace

std::string utf8Text(std::string_view text) {
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii) return std::string(text);
    if (text.starts_with(kBom)) text.remove_prefix(kBom.size());
    std::string aus;
    aus.reserve(text.size());
    while (!text.empty()) {
        std::size_t laenge = static_cast<unsigned char>(text.front()) < 0x80 ? 1 : 0;
        if (laenge == 0) laenge = folgenLaenge(text);
        if (laenge == 0) {
            aus += kErsatz;
            laenge = 1;
        } else {
            aus += text.substr(0, laenge);
        }
        text.remove_prefix(laenge);
    }
    return aus;
}

}  // namespace staffel
