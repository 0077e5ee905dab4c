// The Auflösungszahl check: the first byte sets the number of digits the Rechenzahl needs,
// the rest is the text typed into the A field.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/modul_ra.h"
#include "fuzz_check.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

using namespace staffel;

constexpr std::string_view kFalscheLaenge =
    "Passen Sie bitte die Anzahl der Ziffern in der Auflösungszahl an  step = |A|  an !";

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    test::RecordingHost host;
    ModulRAPruefstand m(&host);
    m.AnzahlStellen = static_cast<Int16>(data[0] % 64);
    const std::string eingabe(fuzz::alsText(data + 1, size - 1));
    std::string A = eingabe;

    m.AufZahlPruefen(A);
    if (m.Fehlerstatus != Fehler::Keiner) {
        FUZZ_CHECK(host.boxes.size() == 1, "a refusal shows one message");
        FUZZ_CHECK(A == eingabe, "a refused A is left as typed");
        const bool kurzform = eingabe == "0" || eingabe == "1";
        if (!kurzform && eingabe.size() != static_cast<std::size_t>(m.AnzahlStellen) &&
            eingabe.find_first_not_of("01") == std::string::npos) {
            FUZZ_CHECK(host.boxes.front() == kFalscheLaenge, "a wrong length is named as such");
        }
        return 0;
    }
    FUZZ_CHECK(host.boxes.empty(), "an accepted A shows nothing");
    FUZZ_CHECK(A.find_first_not_of("01") == std::string::npos, "only the digits 0 and 1");
    FUZZ_CHECK(A.size() == static_cast<std::size_t>(m.AnzahlStellen),
               "an accepted A has exactly the digits R needs");

    std::string nochmal = A;
    FUZZ_CHECK(m.AufZahlAuffuellen(nochmal) == A, "padding a padded A changes nothing");

    const std::string gekippt = AufZahlKippen(A);
    if (A.empty()) {
        FUZZ_CHECK(gekippt.empty(), "nothing to flip");
    } else {
        FUZZ_CHECK(gekippt.size() == A.size() && gekippt.back() != A.back() &&
                       gekippt.compare(0, A.size() - 1, A, 0, A.size() - 1) == 0,
                   "flipping changes the last digit only");
        FUZZ_CHECK(AufZahlKippen(gekippt) == A, "flipping twice restores A");
    }
    return 0;
}
