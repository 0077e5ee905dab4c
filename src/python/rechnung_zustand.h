#pragma once

#include <pybind11/pybind11.h>

#include "engine/run/antwort.h"

namespace staffel::python {

// The pickle state of a Rechnung: its answer's fields in their order, the texts as the
// engine's bytes, so that a copy on another machine says the same.
pybind11::tuple zustand(const Antwort& antwort);

// Raises when the state is not one that zustand makes.
Antwort ausZustand(const pybind11::tuple& zustand);

}  // namespace staffel::python
