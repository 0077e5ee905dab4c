// Calculations on the calculation thread, as the window and the CLI run them; these also run
// under ThreadSanitizer.
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "engine/run/antwort.h"
#include "engine/run/calculation_runner.h"
#include "engine/run/halt_watchdog.h"
#include "engine/run/rechnen.h"
#include "modul_pruefstand.h"
#include "recording_host.h"

namespace staffel {
namespace {

// Bytes of the calling thread's stack touched so far: from the lowest resident page of the
// stack mapping to its top. Pages stay resident once the recursion has touched them.
std::size_t benutzterStack() {
    pthread_attr_t attr;
    if (pthread_getattr_np(pthread_self(), &attr) != 0) return 0;
    void* adresse = nullptr;
    std::size_t groesse = 0;
    pthread_attr_getstack(&attr, &adresse, &groesse);
    pthread_attr_destroy(&attr);
    const auto seite = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> resident(groesse / seite);
    if (mincore(adresse, groesse, resident.data()) != 0) return 0;
    for (std::size_t i = 0; i < resident.size(); ++i) {
        if (resident[i] & 1) return groesse - i * seite;
    }
    return 0;
}

// The deepest chains the inputs allow (the Auflösungszahl widened to every step) end by
// themselves or at the halt, with a result or a German message. The first descends through
// every level at once: its stack, scaled to the deepest admitted chain (kMaxTiefe levels, the
// solvers' frames at most doubling a level), must fit the calculation thread's stack.
TEST(DepthTest, DeepestChainsEndAndFitTheStack) {
    const RechenEingabe faelle[] = {
        // clang-format off
        {"32767", "0", "3", "3"}, {"32767", "1", "3", "3"}, {"32767/2", "0", "3", "3"},
        {"1/32767", "0", "3", "3"}, {"32766/32767", "0", "3", "3"}, {"-32766", "0", "3", "3"},
        {"-1/32766", "0", "3", "3"}, {"32767", "0", "-1", "-1"}, {"32767/2", "1", "2.5", "3"},
        {"-32767", "0", "3", "3"}, {"32767", "0", "2.5", "3.5"}, {"32767/2", "0", "0", "0"},
        {"32767/2", "0", "-1.5", "-2"},
        // clang-format on
    };
    bool erste = true;
    for (RechenEingabe eingabe : faelle) {
#ifdef __SANITIZE_THREAD__
        // ThreadSanitizer follows at most 64K frames of one call stack: shorter chains there.
        if (const auto pos = eingabe.rechenart.find("3276"); pos != std::string::npos) {
            eingabe.rechenart.replace(pos, 4, "499");
        }
#endif
        SCOPED_TRACE(eingabe.rechenart + " A=" + eingabe.aufzahl + " b=" + eingabe.basis);
        test::RecordingHost host;
        ModulRAPruefstand modul(&host);
        Antwort anzeige;
        std::size_t stack = 0;
        {
            // A calculation that does not end at this halt fails by the test timeout.
            HaltWatchdog halt;
            ASSERT_TRUE(halt.arm(modul, std::chrono::milliseconds(300)));
            EXPECT_TRUE(CalculationRunner::runBlocking([&] {
                anzeige = modul.rechne(eingabe);
                stack = benutzterStack();
            }));
        }
        if (anzeige.ausgang == RechenAusgang::Wert) {
            EXPECT_NE(modul.MeldungId, TextId::ZuTief) << "no admitted chain reaches the bound";
        } else {
            EXPECT_FALSE(host.boxes.empty()) << "a refused input is explained";
        }
        if (!std::exchange(erste, false)) continue;
        // m[R, 0...0][3, 3] descends from R to 5 at once.
        const double proStufe = static_cast<double>(stack) / (std::stod(eingabe.rechenart) - 4);
        RecordProperty("bytes_per_level", static_cast<int>(proStufe));
        EXPECT_GT(proStufe, 64) << "the chain did not reach its full depth";
        EXPECT_LT(2 * proStufe * kMaxTiefe, static_cast<double>(CalculationRunner::kStackBytes));
    }
}

TEST(CalculationThread, AHaltBelongsToTheRunItStopped) {
    ModulRAPruefstand modul;
    modul.anhalten();  // stands for "#" pressed during the run
    Antwort anzeige;
    CalculationRunner::runBlocking([&] {
        anzeige = modul.rechne({"6", "1", "1.2", "1000000000"});
    });
    EXPECT_EQ(anzeige.ergebnisText, "    Berechnung angehalten!");
    EXPECT_FALSE(anzeige.gueltig);

    modul.haltZuruecknehmen();
    CalculationRunner::runBlocking([&] { anzeige = modul.rechne({"6", "1", "1.2", "3"}); });
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
