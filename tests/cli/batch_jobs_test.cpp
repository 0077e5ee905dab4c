#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <sstream>

#include "cli/batch_workers.h"

namespace {

using namespace staffel::cli;

// No line's calculation begins before all lines are in progress, and none ends before every
// later line has ended: a batch that calculates fewer lines at once waits here until the
// deadlock guard gives way (never in a good batch), one that writes answers as they end
// writes them backwards.
struct Treffpunkt {
    std::string beantworten(const std::string& zeile, const Optionen& optionen,
                            staffel::HaltWatchdog& watchdog) {
        const std::size_t spaetere =
            zeilen.end() - std::find(zeilen.begin(), zeilen.end(), zeile) - 1;
        std::unique_lock lock(mutex);
        zugleich = std::max(zugleich, ++begonnen - beendet);
        wecker.notify_all();
        wecker.wait_until(lock, frist, [&] { return begonnen == zeilen.size(); });
        lock.unlock();
        std::string antwort = zeileBeantworten(zeile, optionen, watchdog);
        lock.lock();
        wecker.wait_until(lock, frist, [&] { return beendet == spaetere; });
        ++beendet;
        wecker.notify_all();
        return antwort;
    }

    const std::vector<std::string> zeilen;
    const std::chrono::steady_clock::time_point frist =
        std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::mutex mutex{};
    std::condition_variable wecker{};
    std::size_t begonnen = 0, beendet = 0, zugleich = 0;  // read after the batch, unlocked
};

std::string stapel(const std::vector<std::string>& zeilen, unsigned jobs,
                   const ZeileBeantworter& beantworten) {
    std::string text;
    for (const std::string& zeile : zeilen) text += zeile + '\n';
    std::istringstream ein(text);
    std::ostringstream aus;
    EXPECT_EQ(stapelRechnen(ein, aus, {.jobs = jobs}, beantworten), StapelEnde::Fertig);
    return aus.str();
}

TEST(CliBatch, JobsNCalculatesNLinesAtOnceAndWritesThemInInputOrder) {
    const std::vector<std::string> alle = {"7\t00\t2\t3", "kein Tabulator", "8/3\t000\t2\t3"};
    for (const unsigned jobs : {2u, 3u}) {
        Treffpunkt treffpunkt{.zeilen = {alle.begin(), alle.begin() + jobs}};
        const std::string ausgabe =
            stapel(treffpunkt.zeilen, jobs, std::bind_front(&Treffpunkt::beantworten, &treffpunkt));
        EXPECT_EQ(treffpunkt.zugleich, jobs);
        EXPECT_EQ(ausgabe, stapel(treffpunkt.zeilen, 1, zeileBeantworten));
    }
}

}  // namespace
