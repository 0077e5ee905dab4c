// The memo of nested calculations changes only the time: generated calculations of every kind
// give the same answers, counters and messages included, with and without --ohne-memo.
// STAFFEL_MEMO_VERGLEICH=N compares N lines (scripts/memo-vergleich: 20 000) instead of 300.
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

#include "cli_process.h"
#include "engine/modul_ra.h"
#include "engine/run/antwort.h"

namespace {

// Rechenzahlen p/q of closed forms, recursions, inverses and negative R, with an A of the
// length the Rechenzahl asks for; one line in eight has an A of another length or a text
// that is no number.
QByteArray zeilenErzeugen(int anzahl, std::mt19937_64& zufall) {
    static const char* const zahlen[] = {"0",   "-0",  "1",    "2",        "3",        "-1",
                                         "-2",  "0.5", "1.5",  "-0.5",     "2.27545",  "-4.665479",
                                         "10",  "27",  "1E10", "1.433463", "1.301845", "4",
                                         "100", "-3",  "0.1",  "abc",      "1E400"};
    const auto wahl = [&zufall](std::uint64_t n) { return static_cast<int>(zufall() % n); };
    QByteArray eingabe;
    for (int zeile = 0; zeile < anzahl;) {
        const int q = 1 + wahl(9);
        std::string r = std::to_string(wahl(31) - 8) + (q > 1 ? "/" + std::to_string(q) : "");
        const std::optional<int> step = staffel::ModulRA().rechne({r, "0", "x", "x"}).step;
        if (!step || *step > 5) continue;
        int stellen = *step;
        if (wahl(8) == 0) stellen = wahl(4);
        std::string a;
        for (int i = 0; i < stellen; ++i) a.push_back(static_cast<char>('0' + wahl(2)));
        const auto zahl = [&] { return std::string(zahlen[wahl(std::size(zahlen) - 3)]); };
        std::string b = zahl(), e = zahl();
        if (wahl(8) == 0) (wahl(2) ? b : e) = zahlen[std::size(zahlen) - 1 - wahl(2)];
        eingabe += QByteArray::fromStdString(r + '\t' + a + '\t' + b + '\t' + e + '\n');
        ++zeile;
    }
    return eingabe;
}

TEST(MemoVergleich, AnswersAreTheSameWithAndWithoutTheMemo) {
    const char* vorgabe = std::getenv("STAFFEL_MEMO_VERGLEICH");
    const int anzahl = vorgabe != nullptr ? std::atoi(vorgabe) : 300;
    std::mt19937_64 zufall(24);
    int verglichen = 0;
    for (const bool grenzwert : {false, true}) {
        const QByteArray eingabe = zeilenErzeugen(grenzwert ? anzahl / 8 : anzahl, zufall);
        QStringList argumente{"--batch", "--jobs", "2", "--halt-after", "2"};
        if (grenzwert) argumente << "--limit";
        const auto mit = staffel::test::cliStarten(argumente, eingabe).ausgabe.split('\n');
        const auto ohne =
            staffel::test::cliStarten(argumente << "--ohne-memo", eingabe).ausgabe.split('\n');
        const auto zeilen = eingabe.split('\n');
        ASSERT_EQ(mit.size(), zeilen.size());
        ASSERT_EQ(ohne.size(), zeilen.size());
        for (qsizetype i = 0; i + 1 < zeilen.size(); ++i) {
            // A halt stops the two runs at different points.
            if (mit[i].contains("angehalten") || ohne[i].contains("angehalten")) continue;
            ++verglichen;
            EXPECT_EQ(mit[i].toStdString(), ohne[i].toStdString()) << zeilen[i].toStdString();
        }
    }
    EXPECT_GT(verglichen, anzahl / 2);
}

}  // namespace
