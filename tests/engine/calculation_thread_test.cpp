// Calculations on a thread of their own: these also run under ThreadSanitizer.
#include <gtest/gtest.h>

#include <cmath>
#include <new>

#include "engine/calculation_runner.h"
#include "engine/rechnen.h"
#include "recording_host.h"

namespace staffel {
namespace {

TEST(CalculationThread, AHaltBelongsToTheRunItStopped) {
    ModulRA modul;
    modul.anhalten();  // stands for "#" pressed during the run
    RechenAnzeige anzeige;
    CalculationRunner::runBlocking([&] {
        anzeige = Rechne(modul, {"6", "1", "1.2", "1000000000"});
    });
    EXPECT_EQ(anzeige.ergebnisText, "    Berechnung angehalten!");
    EXPECT_FALSE(anzeige.gueltig);

    modul.haltZuruecknehmen();
    CalculationRunner::runBlocking([&] { anzeige = Rechne(modul, {"6", "1", "1.2", "3"}); });
    EXPECT_EQ(anzeige.ergebnisText, FormatErgebnis(std::pow(1.2, std::pow(1.2, 1.2)), ""));
    EXPECT_TRUE(anzeige.gueltig);
}

TEST(CalculationThread, AJobThatThrowsEndsWithAMessage) {
    test::RecordingHost host;
    bool fertig = false;
    CalculationRunner runner(&host);
    ASSERT_TRUE(runner.start([] { throw std::bad_alloc(); }, [&] { fertig = true; }));
    runner.join();
    EXPECT_TRUE(fertig);
    EXPECT_EQ(host.boxes,
              std::vector<std::string>{"Für diese Berechnung reicht der Arbeitsspeicher nicht!"});
}

}  // namespace
}  // namespace staffel
