// The size a hovered graph sample reads, computed apart from the state the pass runs in.
#include "engine/graph/graph_groesse.h"

#include <gtest/gtest.h>

#include "engine/run/antwort.h"

namespace staffel::graph {
namespace {

TEST(Groessenleser, SizeOfSamplesBeyondTheDoubles) {
    struct Fall {
        RechenEingabe eingabe;
        float x;
        std::optional<std::string> erwartet;
    };
    const Fall faelle[] = {
        {{"6", "1", "3", "x"}, 4, "1.25801429062749E+3638334640024"},
        {{"6", "1", "3", "x"}, 2, std::nullopt},  // 3^27 lies within the doubles
        {{"6", "1", "x", "4"}, 3, "1.25801429062749E+3638334640024"},
        {{"5", "", "10", "x"}, 400, "1E+400"},
        {{"5", "", "10", "x"}, -400, std::nullopt},
        {{"5", "", "10", "x"}, 300, std::nullopt},       // within the doubles: no size of its own
        {{"8/3", "000", "10", "x"}, 400, std::nullopt},  // no size without a whole R
    };
    for (const Fall& f : faelle) {
        ModulRA m;
        ASSERT_EQ(m.rechne(f.eingabe).ausgang, RechenAusgang::Graph) << f.eingabe.rechenart;
        EXPECT_EQ(Groessenleser(m.graphVorlage()).groesse(f.x), f.erwartet)
            << f.eingabe.rechenart << " " << f.eingabe.basis << " " << f.eingabe.exponent << " "
            << f.x;
    }
}

}  // namespace
}  // namespace staffel::graph
