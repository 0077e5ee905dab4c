#include <charconv>
#include <numeric>
#include <string>
#include <string_view>

#include "engine/modul_ra.h"
#include "engine/numbers/number_text.h"

namespace staffel {

namespace {

// A 16-bit denominator that is a power of ten allows at most 10^4.
constexpr int kMaxNachkommastellen = 4;

struct Bruch {
    Int16 zaehler = 0;
    Int16 nenner = 1;
};

// The outcome of one reading: a fraction or the message that refuses the text.
struct Lesung {
    Bruch bruch;
    std::optional<TextId> fehler;
};

Lesung abgelehnt(TextId fehler) {
    return {{}, fehler};
}

std::optional<Int16> ganzzahlVon(std::string_view text) {
    const GelesenerWert gelesen = ZahlLesen(text);
    if (gelesen.ausserhalb) return std::nullopt;
    return toInt16(gelesen.wert);
}

// Reduces by the GGT; nullopt when a quotient leaves 16 bits (-32768/-1).
std::optional<Bruch> gekuerzt(Int16 n, Int16 d) {
    const Int16 g = GGT(n, d);
    if (g == 1 || g == 0) return Bruch{n, d};
    const auto zaehler = toInt16(n / g);
    const auto nenner = toInt16(d / g);
    if (!zaehler || !nenner) return std::nullopt;
    return Bruch{*zaehler, *nenner};
}

// A decimal's exact value as digits times a power of ten; multiplying by ten until the
// value is whole then only moves the exponent, so "0.01" is 1/100 and never an overflow.
Lesung dezimalLesen(std::string_view text) {
    const DezimalZahl zahl = DezimalLesen(text);
    std::string ziffern = zahl.ganz + zahl.bruch;
    long zehnerExponent = zahl.exponent - static_cast<long>(zahl.bruch.size());
    while (zehnerExponent < 0 && !ziffern.empty() && ziffern.back() == '0') {
        ziffern.pop_back();
        ++zehnerExponent;
    }
    const auto ersteZiffer = ziffern.find_first_not_of('0');
    if (ersteZiffer == std::string::npos) return {};
    ziffern.erase(0, ersteZiffer);

    const long nachkommastellen = zehnerExponent < 0 ? -zehnerExponent : 0;
    if (nachkommastellen > kMaxNachkommastellen) return abgelehnt(TextId::Nachkommastellen);
    if (static_cast<long>(ziffern.size()) + (zehnerExponent > 0 ? zehnerExponent : 0) > 5) {
        return abgelehnt(TextId::RechenzahlBereich);
    }
    int ganzzahl = 0;
    std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), ganzzahl);
    double betrag = ganzzahl;
    for (long i = 0; i < zehnerExponent; ++i) betrag *= 10;
    const auto zaehler = toInt16(zahl.negativ ? -betrag : betrag);
    if (!zaehler) return abgelehnt(TextId::RechenzahlBereich);
    Int16 nenner = 1;
    for (long i = 0; i < nachkommastellen; ++i) nenner = static_cast<Int16>(nenner * 10);
    return {{*zaehler, nenner}, std::nullopt};
}

}  // namespace

Int16 GGT(Int16 a, Int16 b) {
    if (b == 0) return a;
    // Euclid with the floor remainder, as the operation model reduces, ends on b's sign: a
    // fraction reduced by it carries a negative denominator's sign up to the numerator.
    const int g = std::gcd(int{a}, int{b});
    return static_cast<Int16>(b < 0 ? -g : g);
}

std::string BruchFormat(Int16 n, Int16 d) {
    return std::to_string(n) + "/" + std::to_string(d);
}

std::string GanzOderBruch(Int16 n, Int16 d) {
    return d == 1 ? std::to_string(n) : BruchFormat(n, d);
}

// Leaves n and d as they are when they cannot be reduced within 16 bits (-32768/-1) or
// have no divisor at all (0/0).
std::string BruchKuerzen(Int16& n, Int16& d) {
    if (const auto bruch = gekuerzt(n, d)) {
        n = bruch->zaehler;
        d = bruch->nenner;
    }
    return BruchFormat(n, d);
}

std::optional<TextId> RechenzahlAusText(std::string_view text, GelesenerBruch& gelesen) {
    Bruch bruch;
    std::string bruchText(text);

    const auto strich = text.find('/');
    if (strich != std::string::npos) {
        const auto n = ganzzahlVon(text.substr(0, strich));
        const auto d = ganzzahlVon(text.substr(strich + 1));
        if (!n || !d) return TextId::RechenzahlBereich;
        if (*d == 0) return TextId::NennerNull;
        const auto reduziert = gekuerzt(*n, *d);
        if (!reduziert) return TextId::RechenzahlBereich;
        bruch = *reduziert;
        bruchText = BruchFormat(bruch.zaehler, bruch.nenner);
    }

    std::string mitPunkt(text);
    KommaZuPunkt(mitPunkt);

    // A text with both "/" and "." ends up with its decimal reading.
    if (mitPunkt.find('.') != std::string::npos) {
        const Lesung lesung = dezimalLesen(mitPunkt);
        if (lesung.fehler) return lesung.fehler;
        bruch = lesung.bruch;
        bruchText = BruchFormat(bruch.zaehler, bruch.nenner);
    } else if (strich == std::string::npos) {
        const auto n = ganzzahlVon(mitPunkt);
        if (!n) return TextId::RechenzahlBereich;
        bruch = Bruch{*n, 1};
    }

    gelesen = {bruch.zaehler, bruch.nenner, std::move(bruchText), std::move(mitPunkt)};
    return std::nullopt;
}

std::optional<TextId> ModulRA::RechenzahlLesen(std::string& text) {
    GelesenerBruch bruch;
    if (const auto fehler = RechenzahlAusText(text, bruch)) return fehler;
    text = std::move(bruch.mitPunkt);
    BruchZaehler = bruch.zaehler;
    BruchNenner = bruch.nenner;
    BruchText = std::move(bruch.text);
    RDezimal = static_cast<double>(bruch.zaehler) / bruch.nenner;
    return std::nullopt;
}

}  // namespace staffel
