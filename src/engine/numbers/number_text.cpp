#include "engine/numbers/number_text.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace staffel {

// The C library's number functions follow the process locale (a German one writes and reads
// "1,5"); the charconv ones and these helpers never look at it.
namespace {

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

// Whether a number beyond the double range is too large rather than too small: its first
// significant digit stands before the point.
bool zuGross(const DezimalZahl& zahl) {
    const auto ganz = zahl.ganz.find_first_not_of('0');
    if (ganz != std::string::npos) {
        return zahl.exponent + static_cast<long>(zahl.ganz.size() - ganz) > 0;
    }
    const auto bruch = zahl.bruch.find_first_not_of('0');
    return bruch != std::string::npos && zahl.exponent - static_cast<long>(bruch) > 0;
}

}  // namespace

std::string ZahlText(double value, int stellen) {
    if (value == 0.0) value = 0.0;  // no "-0"
    char buffer[40];
    const auto ende = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::general, std::clamp(stellen, 1, 15))
                          .ptr;
    std::string text(buffer, ende);
    // The exponent, INF and NAN in capitals, as "%.15G" writes them.
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    if (text.starts_with("0.")) {
        text.erase(0, 1);
    } else if (text.starts_with("-0.")) {
        text.erase(1, 1);
    }
    if (!(value < 0.0)) text.insert(0, 1, ' ');
    return text;
}

DezimalZahl DezimalLesen(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text) {
        if (c != ' ') compact.push_back(c);
    }
    DezimalZahl zahl;
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-')) {
        zahl.negativ = compact[i] == '-';
        ++i;
    }
    while (i < compact.size() && istZiffer(compact[i])) {
        zahl.ganz.push_back(compact[i++]);
    }
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        while (i < compact.size() && istZiffer(compact[i])) {
            zahl.bruch.push_back(compact[i++]);
        }
    }
    if (zahl.ganz.empty() && zahl.bruch.empty()) return DezimalZahl{};
    if (i < compact.size() && (compact[i] == 'E' || compact[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativ = false;
        if (j < compact.size() && (compact[j] == '+' || compact[j] == '-')) {
            negativ = compact[j] == '-';
            ++j;
        }
        if (j < compact.size() && istZiffer(compact[j])) {
            long exponent = 0;
            while (j < compact.size() && istZiffer(compact[j])) {
                if (exponent < 100000000) exponent = exponent * 10 + (compact[j] - '0');
                ++j;
            }
            zahl.exponent = negativ ? -exponent : exponent;
        }
    }
    return zahl;
}

GelesenerWert ZahlLesen(std::string_view text) {
    const DezimalZahl zahl = DezimalLesen(text);
    if (zahl.ganz.empty() && zahl.bruch.empty()) return {};
    std::string normal = zahl.negativ ? "-" : "";
    normal += zahl.ganz.empty() ? "0" : zahl.ganz;
    normal += '.';
    normal += zahl.bruch;
    normal += 'E';
    normal += std::to_string(zahl.exponent);
    GelesenerWert gelesen;
    const auto lesung = std::from_chars(normal.data(), normal.data() + normal.size(), gelesen.wert);
    if (lesung.ec == std::errc::result_out_of_range) {
        // Underflow to zero is harmless; only a value beyond the range is refused.
        gelesen.ausserhalb = zuGross(zahl);
        gelesen.wert = zahl.negativ && !gelesen.ausserhalb ? -0.0 : 0.0;
    }
    return gelesen;
}

std::string& KommaZuPunkt(std::string& text) {
    const auto komma = text.find(',');
    if (komma != std::string::npos) text[komma] = '.';
    return text;
}

std::string Trimmen(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace staffel
