#pragma once

#include <span>
#include <string_view>

#include "cli/argumente.h"

namespace staffel::cli {

// The synopsis lines of the usage that show an option: the single calculation's, the batch's
// (which --batch itself begins).
enum class Uebersicht { Keine, Einzeln, Stapel, Beide };

// One option of the command line. Parsing and the usage text are made from these rows, and a
// test holds the man page to them.
struct AufrufOption {
    std::string_view name;       // without its dashes
    std::string_view kurz = {};  // a second name such as "h"; empty if none
    std::string_view wert = {};  // the name its value has in the usage; empty for a switch
    Uebersicht uebersicht;
    // Sets what the option stands for; false when the value does not fit.
    bool (*setzen)(Aufruf& aufruf, std::string_view wert);
    std::string_view falscherWert = {};  // why the value does not fit (German)
    std::string_view hilfe;              // its lines in the usage's list of options
};

std::span<const AufrufOption> aufrufOptionen();

}  // namespace staffel::cli
