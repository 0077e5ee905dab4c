#include <algorithm>
#include <string>
#include <string_view>

#include "engine/modul_ra.h"

namespace staffel {

namespace {

// Characters, not bytes: a typed "ä" is one wrong digit, not two.
std::size_t zeichenAnzahl(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool istKurzform(std::string_view A) {
    return A == "0" || A == "1";
}

}  // namespace

void ModulRA::AufZahlPruefen(std::string& A) {
    if (!istKurzform(A) && static_cast<long>(zeichenAnzahl(A)) != AnzahlStellen) {
        FehlerMeldung(TextId::AufZahlLaenge);
        return;
    }
    if (A.find_first_not_of("01") != std::string::npos) {
        FehlerMeldung(TextId::AufZahlZiffern);
        return;
    }
    AufZahlAuffuellen(A);
}

std::string& ModulRA::AufZahlAuffuellen(std::string& A) const {
    for (const char ziffer : {'0', '1'}) {
        if (A.size() == 1 && A.front() == ziffer && AnzahlStellen != 1) {
            // A negative count pads nothing and leaves the digit as it is.
            if (AnzahlStellen == 0) {
                A.clear();
            } else if (AnzahlStellen > 1) {
                A.assign(static_cast<std::size_t>(AnzahlStellen), ziffer);
            }
        }
    }
    return A;
}

std::string AufZahlKippen(std::string_view A) {
    if (A.empty()) return {};
    const char letzte = A.back();
    if (letzte != '0' && letzte != '1') return {};
    std::string gekippt(A.substr(0, A.size() - 1));
    gekippt.push_back(letzte == '0' ? '1' : '0');
    return gekippt;
}

}  // namespace staffel
