#pragma once

#include <string>
#include <vector>

#include "cli/batch_runner.h"

namespace staffel::cli {

// The command line, read without Qt's parser: a negative number such as "-1" or "-1/4" is
// a text to calculate with, not an option.
struct Aufruf {
    Optionen optionen;
    bool json = false;
    bool batch = false;
    bool hilfe = false;
    std::vector<std::string> texte;  // R, A, B, E
    std::string fehler;              // why the arguments form no call (German); empty if they do
};

// argv[1 ...] as given.
Aufruf aufrufLesen(const std::vector<std::string>& argumente);

}  // namespace staffel::cli
