#pragma once

// The counters as one list, for the memo and the recursion's fixed points; engine-internal.

#include "engine/modul_ra.h"

namespace staffel {

// Every counter the window polls, with its place in MemoWirkung::zaehler.
template <class F>
void ModulRA::jedenZaehler(F&& f) {
    std::size_t i = 0;
#define STAFFEL_ZAEHLER_NENNEN(typ, name) f(i++, name);
    STAFFEL_SICHT_ZAEHLER(STAFFEL_ZAEHLER_NENNEN)
#undef STAFFEL_ZAEHLER_NENNEN
}

}  // namespace staffel
