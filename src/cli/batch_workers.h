#pragma once

#include <iosfwd>

#include "cli/batch_runner.h"

namespace staffel::cli {

enum class StapelEnde { Fertig, AusgabeWeg, NichtGestartet };

// The batch: every line of ein answered on aus in input order, by optionen.jobs workers at
// once, each on a calculation thread of its own that lives for the whole batch. Each answer
// is the one a single worker would give. Reading stops once aus fails.
StapelEnde stapelRechnen(std::istream& ein, std::ostream& aus, const Optionen& optionen);

}  // namespace staffel::cli
