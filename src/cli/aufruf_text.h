#pragma once

#include <string>

namespace staffel::cli {

// The usage that -h prints and a wrong call ends with; its options come from aufrufOptionen().
std::string aufrufText();

}  // namespace staffel::cli
