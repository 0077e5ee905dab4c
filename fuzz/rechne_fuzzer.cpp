// The whole calculate command from the four field texts, one per line:
//   Rechenart \n Auflösungszahl \n Basis \n Exponent [\n lim]
// A fifth line "lim" asks for the limit for e towards infinity instead. Each run gets a
// small halt budget: a watchdog presses the halt button after kHaltNach, and a calculation
// that goes on long after that has a halt point missing.
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run/antwort.h"
#include "engine/run/calculation_runner.h"
#include "engine/run/halt_watchdog.h"
#include "engine/run/rechnen.h"
#include "fuzz_check.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

using namespace staffel;
using namespace std::chrono_literals;

namespace {

constexpr auto kHaltNach = 200ms;
// Generous for slow sanitizer builds on a busy machine; a missing halt point runs for ever.
constexpr auto kSpielraum = 3000ms;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> felder;
    std::istringstream zeilen{std::string(fuzz::alsText(data, size))};
    for (std::string zeile; felder.size() < 5 && std::getline(zeilen, zeile);)
        felder.push_back(zeile);
    if (felder.size() < 4) return -1;  // not worth keeping in the corpus
    RechenEingabe eingabe{felder[0], felder[1], felder[2], felder[3]};

    test::RecordingHost host;
    ModulRAPruefstand modul(&host);
    const RechenModus modus{felder.size() == 5 && felder[4] == "lim"};
    if (modus.grenzwert) eingabe.exponent = texte::Unendlich;

    Antwort anzeige;
    const auto start = std::chrono::steady_clock::now();
    {
        HaltWatchdog waechter;
        FUZZ_CHECK(waechter.arm(modul, kHaltNach), "the watchdog starts");
        FUZZ_CHECK(
            CalculationRunner::runBlocking([&] { anzeige = modul.rechne(eingabe, modus); }, &host),
            "the calculation thread starts");
    }
    const auto dauer = std::chrono::steady_clock::now() - start;
    FUZZ_CHECK(dauer < kHaltNach + kSpielraum, "the halt button stops the calculation");

    for (const std::string& meldung : host.boxes) {
        FUZZ_CHECK(!meldung.empty(), "a message box has a text");
    }
    FUZZ_CHECK(anzeige.meldungen == host.boxes, "the answer tells the boxes raised");
    if (anzeige.ausgang != RechenAusgang::Wert) return 0;
    FUZZ_CHECK(anzeige.ergebnisText->size() > 1 && anzeige.ergebnisText->front() == ' ',
               "the result label starts with a blank");
    FUZZ_CHECK(anzeige.step.has_value(), "a value calculation shows its step");
    if (modul.wurdeAngehalten()) {
        FUZZ_CHECK(anzeige.meldungId == TextId::Angehalten && !anzeige.gueltig,
                   "a halted calculation says so and is not valid");
    }
    if (anzeige.gueltig) {
        FUZZ_CHECK(anzeige.fehlerstatus == 0 && anzeige.meldungId == TextId::Keine,
                   "a valid result has no error");
        FUZZ_CHECK(!std::isnan(modul.Ergebnis), "a valid result is a number");
    }
    return 0;
}
