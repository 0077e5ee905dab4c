#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/calculation_runner.h"
#include "engine/rechnen.h"
#include "recording_host.h"

namespace staffel {
namespace {

using namespace std::chrono_literals;

// Bytes of the calling thread's stack that have been touched so far: from the lowest
// resident page of the stack mapping to its top. Pages stay resident once the recursion
// has touched them, so this is the deepest extent the calculation reached.
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

struct Lauf {
    RechenAnzeige anzeige;
    std::string meldung;
    std::int64_t fehlerstatus = 0;
    std::vector<std::string> boxen;
    std::size_t stack = 0;
};

// Runs the calculate command on the calculation thread, presses halt after budget and
// fails (and ends the test program) when the calculation does not end soon after.
Lauf rechneAufRechenthread(const RechenEingabe& eingabe, std::chrono::milliseconds budget) {
    test::RecordingHost host;
    ModulRA modul(&host);
    Lauf lauf;
    CalculationRunner runner;
    const bool gestartet = runner.start([&] {
        lauf.anzeige = Rechne(modul, eingabe);
        lauf.stack = benutzterStack();
    });
    EXPECT_TRUE(gestartet);
    if (!gestartet) return lauf;

    const auto start = std::chrono::steady_clock::now();
    bool angehalten = false;
    while (runner.running()) {
        const auto vergangen = std::chrono::steady_clock::now() - start;
        if (!angehalten && vergangen > budget) {
            modul.anhalten();
            angehalten = true;
        }
        if (vergangen > budget + 30s) {
            std::fprintf(stderr, "calculation %s did not end after the halt\n",
                         eingabe.rechenart.c_str());
            std::abort();
        }
        std::this_thread::sleep_for(2ms);
    }
    runner.join();
    lauf.meldung = modul.Meldung;
    lauf.fehlerstatus = modul.Fehlerstatus;
    lauf.boxen = host.boxes;
    return lauf;
}

// The deepest chains the inputs allow (the Auflösungszahl widened to every step): each
// ends by itself or at the halt, with a result or a German message, and never overflows
// the calculation thread's stack.
TEST(DepthTest, DeepestChainsEndWithAResultOrAMessage) {
    const RechenEingabe faelle[] = {
        {"32767", "0", "3", "3"},    {"32767", "1", "3", "3"},       {"32767/2", "0", "3", "3"},
        {"1/32767", "0", "3", "3"},  {"32766/32767", "0", "3", "3"}, {"-32766", "0", "3", "3"},
        {"-1/32766", "0", "3", "3"}, {"32767", "0", "2.5", "3.5"},   {"32767/2", "1", "2.5", "3"},
        {"32767", "0", "-1", "-1"},  {"32767/2", "0", "0", "0"},     {"32767/2", "0", "-1.5", "-2"},
        {"1/32767", "1", "3", "3"},  {"-32767", "0", "3", "3"},
    };
    for (const RechenEingabe& eingabe : faelle) {
        SCOPED_TRACE(eingabe.rechenart + " A=" + eingabe.aufzahl + " b=" + eingabe.basis +
                     " e=" + eingabe.exponent);
        const Lauf lauf = rechneAufRechenthread(eingabe, 300ms);
        if (lauf.anzeige.ausgang == RechenAusgang::Wert) {
            EXPECT_FALSE(lauf.anzeige.ergebnisText.empty());
            EXPECT_NE(lauf.meldung, texte::ZuTief) << "no admitted chain reaches the bound";
        } else {
            EXPECT_FALSE(lauf.boxen.empty()) << "a refused input is explained";
        }
    }
}

// m[32767, 0...0][3, 3] descends through every level at once. Its measured stack, scaled
// to the deepest admitted chain (kMaxTiefe levels, with the inverse solvers' frames at
// most doubling a level), must fit the calculation thread's stack.
TEST(DepthTest, StackHoldsTheDeepestAdmittedChainWithMargin) {
    constexpr double kStufen = 32763;  // 32767 down to 5
    const Lauf lauf = rechneAufRechenthread({"32767", "0", "3", "3"}, 200ms);
    ASSERT_EQ(lauf.anzeige.ausgang, RechenAusgang::Wert);
    ASSERT_GT(lauf.stack, 0u) << "stack not measurable";
    const double proStufe = static_cast<double>(lauf.stack) / kStufen;
    RecordProperty("bytes_per_level", static_cast<int>(proStufe));
    std::printf("stack of m[32767, 0][3, 3]: %zu bytes, %.0f per level\n", lauf.stack, proStufe);
    EXPECT_GT(proStufe, 64) << "the chain did not reach its full depth";
    EXPECT_LT(2 * proStufe * kMaxTiefe, static_cast<double>(CalculationRunner::kStackBytes))
        << proStufe << " bytes per level";
}

}  // namespace
}  // namespace staffel
