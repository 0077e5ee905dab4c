#include "cli/argumente.h"

#include <gtest/gtest.h>

namespace {

using staffel::cli::aufrufLesen;

// Each option's value reaches the call, and after "--" even an option's name is a text.
TEST(CliArgumente, OptionValuesAreKeptAndTextsAfterTheDoubleDashStayTexts) {
    struct Fall {
        std::vector<std::string> argumente;
        unsigned jobs;
        long long haltNachMs;
        bool grenzwert;
        std::vector<std::string> texte;
    };
    const Fall faelle[] = {
        {{"--batch", "--jobs", "3"}, 3, 10000, false, {}},
        {{"--batch", "-jobs=256", "--limit"}, 256, 10000, true, {}},
        {{"--halt-after=0,5", "--limit", "1", "", "2"}, 0, 500, true, {"1", "", "2", ""}},
        {{"--halt-after", "1e-4", "--", "-x", "0", "2", "3"}, 0, 1, false, {"-x", "0", "2", "3"}},
    };
    for (const Fall& f : faelle) {
        const auto aufruf = aufrufLesen(f.argumente);
        EXPECT_EQ(aufruf.fehler, "") << f.argumente[1];
        EXPECT_EQ(aufruf.optionen.jobs, f.jobs);
        EXPECT_EQ(aufruf.optionen.haltNach.count(), f.haltNachMs);
        EXPECT_EQ(aufruf.optionen.grenzwert, f.grenzwert);
        EXPECT_EQ(aufruf.texte, f.texte);
    }
    for (const char* jobs : {"--jobs=257", "--jobs=2x", "--jobs"}) {
        EXPECT_FALSE(aufrufLesen({"--batch", jobs}).fehler.empty()) << jobs;
    }
}

}  // namespace
