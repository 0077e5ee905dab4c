#pragma once

#include <functional>
#include <iosfwd>
#include <stop_token>
#include <string>

#include "cli/batch_runner.h"

namespace staffel::cli {

enum class StapelEnde { Fertig, Angehalten, AusgabeWeg, EingabeFehler, NichtGestartet };

// The most workers a batch takes, given or by default: each holds a calculation thread with
// the engine's large stack reservation, a halt timer of its own and its share of read-ahead.
inline constexpr unsigned kMaxJobs = 256;

// What answers one line, on a worker's calculation thread: zeileBeantworten, or in a test one
// that watches how many lines are answered at once.
using ZeileBeantworter =
    std::function<std::string(const std::string&, const Optionen&, HaltWatchdog&)>;

// The batch: every line of ein answered on aus in input order, by optionen.jobs workers at
// once, each on a calculation thread of its own that lives for the whole batch. Each answer
// is the one a single worker would give, written and flushed as soon as every earlier one is.
// Reading stops once aus fails or ein goes bad (a read error: EingabeFehler). A stop request
// ends the reading and halts the running calculations; the answers of the lines begun are
// written up to the first line not begun (Angehalten).
StapelEnde stapelRechnen(std::istream& ein, std::ostream& aus, const Optionen& optionen,
                         const ZeileBeantworter& beantworten = zeileBeantworten,
                         std::stop_token halt = {});

}  // namespace staffel::cli
