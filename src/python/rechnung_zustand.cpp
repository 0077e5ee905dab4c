#include "python/rechnung_zustand.h"

#include <pybind11/stl.h>

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace py = pybind11;

namespace staffel::python {

namespace {

py::object zustandsWert(const std::string& bytes) {
    return py::bytes(bytes);
}

py::object zustandsWert(const std::vector<std::string>& texte) {
    py::list liste;
    for (const std::string& text : texte) liste.append(py::bytes(text));
    return liste;
}

py::object zustandsWert(const Zaehlerstaende& zaehler) {
    py::list liste;
    for (const auto& paar : zaehler) liste.append(paar.second);
    return liste;
}

template <class T>
py::object zustandsWert(const T& wert) {
    return py::cast(wert);
}

template <class T>
py::object zustandsWert(const std::optional<T>& wert) {
    return wert ? zustandsWert(*wert) : py::object(py::none());
}

[[noreturn]] void unbekannterZustand() {
    throw std::runtime_error("Rechnung: unbekannter Zustand");
}

template <class T>
T ausZustandsWert(const py::handle& wert) {
    if constexpr (std::is_same_v<T, Zaehlerstaende>) {
        return zaehlerstaende(wert.cast<std::array<std::int64_t, kZaehlerNamen.size()>>());
    } else {
        return wert.cast<T>();
    }
}

}  // namespace

py::tuple zustand(const Antwort& antwort) {
    py::list felder;
    jsonFelderBesuchen([&](const auto& feld) { felder.append(zustandsWert(feld.lesen(antwort))); });
    return py::tuple(felder);
}

Antwort ausZustand(const py::tuple& zustand) {
    if (zustand.size() != std::tuple_size_v<decltype(kJsonFelder)>) unbekannterZustand();
    Antwort antwort;
    std::size_t i = 0;
    jsonFelderBesuchen([&](const auto& feld) {
        using Wert = typename std::decay_t<decltype(feld)>::Wert;
        feld.setzen(antwort, ausZustandsWert<Wert>(zustand[i++]));
    });
    return antwort;
}

}  // namespace staffel::python
