#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "engine/modul_ra.h"
#include "recording_host.h"

namespace staffel {
namespace {

class EmIIITest : public ::testing::Test {
  protected:
    test::RecordingHost host;
    ModulRA modul{&host};
};

struct RecursionCase {
    const char* what;
    Int16 n;
    Int16 d;
    const char* A;
    double b;
    double e;
    double value;
    std::int64_t nested;  // Berechnung calls made by the recursion
};

TEST_F(EmIIITest, RunsTheOperationBelowOncePerStep) {
    const RecursionCase cases[] = {
        {"digit 0 brackets to the left: 3^9", 6, 1, "0", 3, 3, 19683, 2},
        {"digit 1 brackets to the right: 3^27", 6, 1, "1", 3, 3, 7625597484987, 2},
        {"e = 2 is one call on b, b", 6, 1, "1", 3, 2, 27, 1},
        {"e = 1 is b", 6, 1, "1", 3, 1, 3, 0},
        {"e = 0 is b", 6, 1, "0", 3, 0, 3, 0},
        {"negative whole e is b", 6, 1, "0", 3, -4, 3, 0},
        {"lowest 32-bit e is b", 6, 1, "0", 3, -2147483648.0, 3, 0},
        {"empty A leaves b", 6, 1, "", 3, 5, 3, 0},
        {"addition repeated is multiplication", 4, 1, "1", 3, 5, 15, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        modul.Zuruecksetzen();
        EXPECT_EQ(modul.emIII(c.n, c.d, c.b, c.e, c.A), c.value);
        EXPECT_EQ(modul.ZaehlerBer + 1, c.nested);
        EXPECT_EQ(modul.ZaehlerIII, 1);
        EXPECT_EQ(modul.NameUnbekannt, 1);
        EXPECT_EQ(modul.Fehlerstatus, 0);
    }
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(EmIIITest, RationalExponentIsReported) {
    EXPECT_EQ(modul.emIII(6, 1, 3, 2.5, "1"), 0);
    EXPECT_EQ(modul.Fehlerstatus, 3);
    EXPECT_EQ(host.boxes, std::vector<std::string>{
                              " In der Berechnung (Regel III) tritt ein rationaler Exponent auf!"});
}

TEST_F(EmIIITest, ExponentBeyondThirtyTwoBitsStopsSilently) {
    EXPECT_EQ(modul.emIII(6, 1, 3, 3e9, "1"), 0);
    EXPECT_EQ(modul.Fehlerstatus, 4);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(modul.ZaehlerBer, -1);
}

TEST_F(EmIIITest, EarlierFaultStopsBeforeCounting) {
    for (std::int64_t status : {3, 4}) {
        modul.Fehlerstatus = status;
        EXPECT_EQ(modul.emIII(6, 1, 3, 3, "1"), 0);
        EXPECT_EQ(modul.ZaehlerIII, 0);
    }
}

TEST_F(EmIIITest, FaultBelowEndsTheRecursion) {
    // 10 ^ 10 ^ 10 overflows in the second step.
    EXPECT_EQ(modul.emIII(6, 1, 10, 4, "1"), 0);
    EXPECT_EQ(modul.Fehlerstatus, 4);
    EXPECT_EQ(modul.Meldung, "     |Ergebnis| > 10^308");
    EXPECT_EQ(modul.ZaehlerBer, 1);
}

TEST_F(EmIIITest, BerechnungRecursesTwiceDown) {
    modul.Berechnung(7, 1, 2, 3, "00");
    EXPECT_EQ(modul.Ergebnis, 256);
    EXPECT_EQ(modul.NameUnbekannt, 1);
}

TEST_F(EmIIITest, HaltRequestStopsALongRecursion) {
    double value = -1;
    std::thread rechner([&] { value = modul.emIII(6, 1, 1.2, 1e9, "1"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    modul.anhalten();
    rechner.join();
    EXPECT_EQ(value, 0);
    EXPECT_EQ(modul.Fehlerstatus, 1);
}

}  // namespace
}  // namespace staffel
