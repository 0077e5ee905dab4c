// The Rechenart text as typed: reading the Rechenzahl and walking its resolution list.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/modul_ra.h"
#include "fuzz_check.h"
#include "modul_pruefstand.h"

using namespace staffel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ModulRAPruefstand m;
    // A fraction from an earlier reading, which a refused text must leave in place.
    std::string vorher = "8/3";
    FUZZ_CHECK(!m.RechenzahlLesen(vorher), "8/3 is accepted");
    const Int16 alterZaehler = m.BruchZaehler;
    const Int16 alterNenner = m.BruchNenner;
    const std::string alterText = m.BruchText;

    std::string text(fuzz::alsText(data, size));
    const std::string eingabe = text;
    if (const auto fehler = m.RechenzahlLesen(text)) {
        FUZZ_CHECK(*fehler != TextId::Keine, "a refusal says why");
        FUZZ_CHECK(text == eingabe, "a refused text is left as typed");
        FUZZ_CHECK(m.BruchZaehler == alterZaehler && m.BruchNenner == alterNenner &&
                       m.BruchText == alterText,
                   "a refused text changes nothing");
        return 0;
    }
    FUZZ_CHECK(m.BruchNenner != 0, "an accepted fraction has a denominator");
    FUZZ_CHECK(m.RDezimal == static_cast<double>(m.BruchZaehler) / m.BruchNenner,
               "RDezimal is n / d");
    if (eingabe.find('/') != std::string::npos && eingabe.find('.') == std::string::npos &&
        eingabe.find(',') == std::string::npos) {
        FUZZ_CHECK(m.BruchNenner > 0, "a typed fraction ends with a positive denominator");
        FUZZ_CHECK(std::abs(GGT(m.BruchZaehler, m.BruchNenner)) == 1 || m.BruchZaehler == 0,
                   "a typed fraction is reduced");
    }
    const auto komma = eingabe.find(',');
    if (komma != std::string::npos) {
        FUZZ_CHECK(text[komma] == '.' && text.find(',') == eingabe.find(',', komma + 1),
                   "only the first comma becomes a point");
    }

    m.RechenartText = text;
    const Int16 n = m.BruchZaehler;
    const Int16 d = m.BruchNenner;
    if (const auto fehler = m.AuflListeBilden(m.BruchZaehler, m.BruchNenner, m.RDezimal)) {
        FUZZ_CHECK(*fehler != TextId::Keine, "a refusal says why");
        return 0;
    }
    FUZZ_CHECK(m.BruchZaehler == n && m.BruchNenner == d, "the fraction is not changed");
    FUZZ_CHECK(m.AnzahlStellen >= 0, "a step count is not negative");
    const double r = m.RDezimal;
    const bool neutral = r == 1 || r == 2 || r == 3 || r == 4 || r == 5 || r == 1.0 / 2 ||
                         r == 1.0 / 3 || r == 1.0 / 4 || r == 3.0 / 2;
    if (r > 0) {
        FUZZ_CHECK((m.AnzahlStellen == 0) == neutral, "only a neutral positive R takes no step");
    }
    return 0;
}
