#include "engine/number_text.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace staffel {

std::string ZahlText(double value) {
    if (value == 0.0) value = 0.0;  // no "-0"
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
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
    while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
        zahl.ganz.push_back(compact[i++]);
    }
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        while (i < compact.size() && std::isdigit(static_cast<unsigned char>(compact[i]))) {
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
        if (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j]))) {
            long exponent = 0;
            while (j < compact.size() && std::isdigit(static_cast<unsigned char>(compact[j]))) {
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
    errno = 0;
    const double wert = std::strtod(normal.c_str(), nullptr);
    GelesenerWert gelesen;
    gelesen.wert = wert;
    // Underflow to a tiny or zero value is harmless; only a value beyond the range is refused.
    gelesen.ausserhalb = errno == ERANGE && std::isinf(wert);
    if (gelesen.ausserhalb) gelesen.wert = 0.0;
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
