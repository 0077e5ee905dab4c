#pragma once

#include <pybind11/pybind11.h>

#include "engine/run/antwort.h"

namespace staffel::python {

// The Python class Rechnung: one calculation's answer, read-only.
struct Rechnung {
    Antwort antwort;
};

void rechnungBinden(pybind11::module_& modul);

}  // namespace staffel::python
