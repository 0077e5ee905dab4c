#include "cli/aufruf_text.h"

#include <gtest/gtest.h>

namespace {

// The usage made from the table reads as it always has: both synopsis lines with the options
// each form takes, and the descriptions in one column, the short name before the long one.
TEST(CliAufrufText, KeepsTheSynopsisAndTheColumnOfDescriptions) {
    const std::string text = staffel::cli::aufrufText();
    for (const char* stelle : {
             "Aufruf:\n"
             "  staffelrechner-cli [--json] [--limit] [--halt-after SEKUNDEN] [--ohne-memo] [--] "
             "R A B E\n"
             "  staffelrechner-cli --batch [--jobs N] [--limit] [--halt-after SEKUNDEN] "
             "[--ohne-memo]\n"
             "                     < zeilen\n\n",
             "weitere Argument ein Text.\n\n  --json        ein JSON-Objekt",
             "\n  --halt-after  hält jede Rechnung nach so vielen Sekunden an (Vorgabe 10;\n"
             "                0 heißt ohne Zeitgrenze)\n  --ohne-memo   rechnet",
             "\n  -h, --help    dieser Text\n\nRückgabewert: ",
         }) {
        EXPECT_NE(text.find(stelle), std::string::npos) << stelle;
    }
}

}  // namespace
