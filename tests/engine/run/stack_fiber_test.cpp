// Calculations on a fiber's stack on the calling thread, halted from the halt timer's thread;
// these also run under both sanitizers, which must follow the stack switches.
#include "engine/run/stack_fiber.h"

#include <gtest/gtest.h>
#include <pthread.h>

#include <chrono>

#include "engine/model/engine_texte.h"
#include "engine/run/antwort.h"

namespace staffel {
namespace {

using namespace std::chrono_literals;

// m[R, 0][3, 3] descends from R to 5 at once: far deeper than the 8 MB of a main thread.
#ifdef __SANITIZE_THREAD__
// ThreadSanitizer follows at most 64K frames of one call stack: a shorter chain there.
const RechenEingabe kTief{"4999", "0", "3", "3"};
#else
const RechenEingabe kTief{"32767", "0", "3", "3"};
#endif
// Seconds of recursion unless halted.
const RechenEingabe kLang{"6", "1", "1.2", "2147483647"};

TEST(StackFiber, RunsTheDeepestChainOnTheCallingThreadAgainAndAgain) {
    StackFiber fiber;
    HaltWatchdog halt;
    for (int lauf = 0; lauf < 3; ++lauf) {
        pthread_t drin{};
        Antwort antwort;
        fiber.run([&] {
            drin = pthread_self();
            antwort = berechneEinzeln(kTief, {}, halt);
        });
        EXPECT_TRUE(pthread_equal(drin, pthread_self()));
        EXPECT_EQ(antwort.ausgang, RechenAusgang::Wert);
        EXPECT_NE(antwort.meldungId, TextId::ZuTief) << "no admitted chain reaches the bound";
        EXPECT_NE(antwort.ergebnisText, "    Berechnung angehalten!");
    }
}

TEST(StackFiber, TheBeatAsksUntilTheQuestionHalts) {
    StackFiber fiber;
    HaltWatchdog halt;
    int fragen = 0;
    halt.rueckfrageSetzen([&] { return ++fragen == 3; }, 5ms);
    Optionen mitFragen;
    mitFragen.haltNach = 5s;  // only if the questions fail
    Antwort antwort;
    fiber.run([&] { antwort = berechneEinzeln(kLang, mitFragen, halt); });
    EXPECT_EQ(fragen, 3) << "a question answered no leaves the calculation running";
    EXPECT_EQ(antwort.ergebnisText, "    Berechnung angehalten!");

    // The next calculation is not halted by the last one's answer.
    fiber.run([&] { antwort = berechneEinzeln({"7", "00", "2", "3"}, mitFragen, halt); });
    EXPECT_EQ(antwort.ergebnis, 256);
}

TEST(StackFiber, TheHaltTimerStopsACalculationOnTheFiber) {
    StackFiber fiber;
    HaltWatchdog halt;
    Optionen kurz;
    kurz.haltNach = 20ms;
    Antwort antwort;
    fiber.run([&] { antwort = berechneEinzeln(kLang, kurz, halt); });
    EXPECT_EQ(antwort.ergebnisText, "    Berechnung angehalten!");
}

}  // namespace
}  // namespace staffel
