#pragma once

#include <pybind11/pybind11.h>

#include <optional>
#include <string>

namespace staffel::python {

// staffelrechner.werte: m[R, A][b, e] over NumPy arrays of b and e.
pybind11::object werte(const std::string& rechenart, const std::string& aufzahl,
                       const pybind11::object& basis, const pybind11::object& exponent,
                       std::optional<long> jobs, double haltNach, bool status,
                       const std::string& skala);

}  // namespace staffel::python
