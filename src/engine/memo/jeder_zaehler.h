#pragma once

// The counters as one list, for the memo and the recursion's fixed points; engine-internal.

#include "engine/modul_ra.h"

namespace staffel {

// Every counter the window polls, with its place in MemoWirkung::zaehler.
template <class F>
void ModulRA::jedenZaehler(F&& f) {
    f(0, ZaehlerBer);
    f(1, ZaehlerNA);
    f(2, ZaehlerIII);
    f(3, ZaehlerIV);
    f(4, ZaehlerG0);
    f(5, ZaehlerG1);
    f(6, ZaehlerG00);
    f(7, ZaehlerG11);
    f(8, AktIntervall);
    f(9, AnzahlIntervalle);
}

}  // namespace staffel
