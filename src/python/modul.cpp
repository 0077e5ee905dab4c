#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "python/rechenthread.h"
#include "python/rechne.h"
#include "python/rechnung.h"
#include "python/werte.h"

namespace py = pybind11;

// The compiled half of the package staffelrechner; staffelrechner/__init__.py gives it its
// Python face (signatures, docstrings, functions that pickle by name).
PYBIND11_MODULE(_kern, modul) {
    staffel::python::hauptthreadMerken(
        py::module_::import("threading").attr("main_thread")().attr("ident").cast<unsigned long>());
    staffel::python::rechnungBinden(modul);
    modul.def("rechne", &staffel::python::rechne);
    modul.def("werte", &staffel::python::werte);
}
