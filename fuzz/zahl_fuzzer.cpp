// The number reading rule and the number text rule: reading any text, and writing any
// double so that reading it back gives the same text.
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "engine/numbers/number_text.h"
#include "fuzz_check.h"

using namespace staffel;

namespace {

int signifikanteZiffern(const std::string& text) {
    int ziffern = 0;
    bool begonnen = false;
    for (char c : text) {
        if (c == 'E') break;
        if (c >= '1' && c <= '9') begonnen = true;
        if (begonnen && c >= '0' && c <= '9') ++ziffern;
    }
    return ziffern;
}

void pruefeText(double x) {
    if (!std::isfinite(x)) return;
    const std::string text = ZahlText(x);
    FUZZ_CHECK(!text.empty(), "a number has a text");
    FUZZ_CHECK((text.front() == ' ') == !(x < 0), "a blank in front of what is not negative");
    FUZZ_CHECK(text.find("0.") != 1, "no zero before the point");
    FUZZ_CHECK(signifikanteZiffern(text) <= 15, "at most 15 significant digits");

    const GelesenerWert zurueck = ZahlLesen(text);
    if (zurueck.ausserhalb) {
        // Only the largest doubles round up past the range when cut to 15 digits.
        FUZZ_CHECK(std::fabs(x) > 1.797693134862315E308, "only beyond the written range");
        return;
    }
    if (x == 0) {
        FUZZ_CHECK(zurueck.wert == 0, "zero reads back as zero");
        return;
    }
    FUZZ_CHECK(std::fabs(zurueck.wert - x) <= std::fabs(x) * 1e-14 || std::fabs(x) < DBL_MIN,
               "reading the text gives the number to 15 digits");
    // Fifteen decimal digits survive a trip through a normal double.
    if (std::fabs(x) >= DBL_MIN) {
        FUZZ_CHECK(ZahlText(zurueck.wert) == text, "the text of the number read is the text");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::alsText(data, size);
    const GelesenerWert gelesen = ZahlLesen(text);
    FUZZ_CHECK(std::isfinite(gelesen.wert), "reading never gives infinity or NaN");
    FUZZ_CHECK(!gelesen.ausserhalb || gelesen.wert == 0, "a number beyond the range reads as 0");

    std::string ohneBlanks;
    for (char c : text) {
        if (c != ' ') ohneBlanks.push_back(c);
    }
    const GelesenerWert kompakt = ZahlLesen(ohneBlanks);
    FUZZ_CHECK(std::memcmp(&kompakt.wert, &gelesen.wert, sizeof(double)) == 0 &&
                   kompakt.ausserhalb == gelesen.ausserhalb,
               "blanks are ignored");

    pruefeText(gelesen.wert);
    if (size >= sizeof(double)) {
        double roh;
        std::memcpy(&roh, data, sizeof roh);
        pruefeText(roh);
    }
    return 0;
}
