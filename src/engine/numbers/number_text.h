#pragma once

#include <string>
#include <string_view>

namespace staffel {

// The program's one way to write a double: up to 15 significant digits in the manner of
// "%.15G" (exponent form below 1E-04 and from 1E+15), "0." shortened to ".", and a
// leading blank for values that are not negative:  3 -> " 3", -2.5 -> "-2.5", 0.5 -> " .5".
// With fewer significant digits (1 to 15) the same form, shorter: "%.4G" gives 1.235E+08.
std::string ZahlText(double value, int stellen = 15);

struct GelesenerWert {
    double wert = 0.0;
    bool ausserhalb = false;  // the text names a number beyond the double range, e.g. 1E400
};

// The program's one way to read a number: blanks ignored, optional sign, digits with "."
// as decimal point, optional exponent E/e; reading stops at the first other character; a
// text without a leading number reads as 0 ("1,5" -> 1, "8/3" -> 8, "x" -> 0).
GelesenerWert ZahlLesen(std::string_view text);

// The decimal parts of the number that ZahlLesen reads, digits only, for exact decimal work.
struct DezimalZahl {
    bool negativ = false;
    std::string ganz;   // digits before the point
    std::string bruch;  // digits after the point
    long exponent = 0;  // value of the E part, saturated
};
DezimalZahl DezimalLesen(std::string_view text);

// Replaces the first "," by "." in place and returns the result.
std::string& KommaZuPunkt(std::string& text);

// Leading and trailing blanks removed.
std::string Trimmen(std::string_view text);

}  // namespace staffel
