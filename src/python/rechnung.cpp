#include "python/rechnung.h"

#include <pybind11/stl.h>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "engine/run/utf8_text.h"
#include "python/rechnung_zustand.h"

namespace py = pybind11;

namespace staffel::python {

namespace {

// A field's value as Python sees it: texts as str, repaired as the command line's JSON
// repairs them.
py::object pythonWert(const std::string& bytes) {
    return py::str(utf8Text(bytes));
}

py::object pythonWert(const std::vector<std::string>& texte) {
    py::list liste;
    for (const std::string& text : texte) liste.append(pythonWert(text));
    return liste;
}

py::object pythonWert(const Zaehlerstaende& zaehler) {
    py::dict dict;
    for (const auto& [name, wert] : zaehler) dict[name] = wert;
    return dict;
}

template <class T>
py::object pythonWert(const T& wert) {
    return py::cast(wert);
}

template <class T>
py::object pythonWert(const std::optional<T>& wert) {
    return wert ? pythonWert(*wert) : py::object(py::none());
}

py::dict alsDict(const Rechnung& r) {
    py::dict dict;
    jsonFelderBesuchen([&](const auto& feld) {
        const py::str schluessel(feld.schluessel.data(), feld.schluessel.size());
        dict[schluessel] = pythonWert(feld.lesen(r.antwort));
    });
    return dict;
}

// The attributes' docstrings, in the order of the answer's fields.
constexpr std::pair<std::string_view, const char*> kAttributDoku[] = {
    {"aufloesungsliste", "Die Auflösungsliste, etwa ``'{ 7, 6, 5 }'``."},
    {"ergebnis",
     "Das Ergebnis als float; None, wenn es eine Meldung gibt oder der Wert nicht endlich ist."},
    {"ergebnisText",
     "Der Text des Ergebnisfelds, etwa ``'  256'``; None, wenn nicht gerechnet wurde."},
    {"fehlerstatus",
     "0 ohne Fehler; 1 Fehler gemeldet, Wert unbestimmt oder angehalten; 3 ein nicht "
     "ganzzahliger Exponent in der Rekursion; 4 ein Laufzeitfehler."},
    {"formel",
     "Die Rechnung, wie der Rechner sie gelesen hat, etwa ``'m[7 , 00][2 , 3]'``; leer, wenn "
     "die Eingaben abgelehnt wurden."},
    {"groesse", "Die Größe eines Ergebnisses jenseits von 10^308 als Text; sonst None."},
    {"gueltig", "True, wenn das Ergebnis gültig ist (das lächelnde Gesicht)."},
    {"hoehe",
     "Die Turmhöhe des Ergebnisses, sign(v)·slog10(1 + |v|), jenseits von 10^308 aus seiner "
     "Größe; sonst None."},
    {"log10",
     "log10 |Ergebnis|, jenseits von 10^308 aus seiner Größe; None ohne Wert oder Größe und "
     "wo der Logarithmus selbst 10^308 übersteigt."},
    {"meldung",
     "Die Meldung der Rechnung, etwa ``'   Nicht definiert!'``; leer, wenn es keine gibt."},
    {"meldungen", "Die Texte der Meldungsfenster ('Problem'), die die Rechnung geöffnet hätte."},
    {"name", "Der Name der Rechenart, wie ihn das Fenster zeigt."},
    {"step", "Die Anzahl der Ziffern, die A braucht; None, wenn R abgelehnt wurde."},
    {"zaehler", "Die zehn Zähler der Rechnung als dict (``'ber'``, ``'na'``, ``'iii'`` …)."},
};

constexpr bool jedesFeldHatDoku() {
    bool ja = std::size(kAttributDoku) == std::tuple_size_v<decltype(kJsonFelder)>;
    std::size_t i = 0;
    jsonFelderBesuchen(
        [&](const auto& feld) { ja = ja && feld.schluessel == kAttributDoku[i++].first; });
    return ja;
}
static_assert(jedesFeldHatDoku(), "each field of the answer needs its docstring, in its order");

// "ergebnisText" becomes "ergebnis_text".
std::string attributName(std::string_view schluessel) {
    std::string name;
    for (const char c : schluessel) {
        if (c >= 'A' && c <= 'Z') {
            name += '_';
            name += static_cast<char>(c - 'A' + 'a');
        } else {
            name += c;
        }
    }
    return name;
}

}  // namespace

void rechnungBinden(py::module_& modul) {
    py::class_<Rechnung> klasse(modul, "Rechnung", py::is_final(), R"(
Das Ergebnis einer Rechnung m[R, A][b, e], wie es ``staffelrechner.rechne`` liefert.

Jedes Attribut ist ein Feld der JSON-Antwort von ``staffelrechner-cli --json``, in
snake_case; ``as_dict()`` gibt das JSON-Objekt selbst, Schlüssel für Schlüssel. Eine
Rechnung ist unveränderlich und lässt sich mit ``pickle`` kopieren (etwa zu Dask-Workern).
)");
    std::size_t i = 0;
    jsonFelderBesuchen([&](const auto& feld) {
        klasse.def_property_readonly(
            attributName(feld.schluessel).c_str(),
            [feld](const Rechnung& r) { return pythonWert(feld.lesen(r.antwort)); },
            kAttributDoku[i++].second);
    });
    klasse
        .def("as_dict", &alsDict,
             "Das JSON-Objekt von ``staffelrechner-cli --json`` als dict, Schlüssel für "
             "Schlüssel (``ergebnisText`` und die übrigen Namen der Kommandozeile).")
        .def("__eq__",
             [](const Rechnung& a, const py::object& b) -> py::object {
                 if (!py::isinstance<Rechnung>(b))
                     return py::reinterpret_borrow<py::object>(Py_NotImplemented);
                 return py::bool_(alsDict(a).equal(alsDict(b.cast<const Rechnung&>())));
             })
        .def_property_readonly(
            "anzeige", [](const Rechnung& r) { return pythonWert(angezeigterText(r.antwort)); },
            "Was das Ergebnisfeld des Fensters zeigt, ohne Leerzeichen: die Zahl, wo sie gilt, "
            "sonst die Worte der Meldung, des ersten Meldungsfensters oder "
            "``'|Ergebnis| > 10^308'``.")
        .def("__repr__",
             [](const Rechnung& r) {
                 return py::str(
                            "Rechnung(ergebnis_text={!r}, ergebnis={!r}, gueltig={!r}, "
                            "meldung={!r})")
                     .format(pythonWert(r.antwort.ergebnisText), r.antwort.ergebnis,
                             r.antwort.gueltig, pythonWert(r.antwort.meldung));
             })
        // Every protocol rebuilds the copy as protocol 2 does, by __new__ with the state: 0 and 1
        // would go through pybind11's base class, which cannot be made and ends the interpreter.
        .def("__reduce_ex__", [](const Rechnung& r, int) {
            return py::make_tuple(py::module_::import("copyreg").attr("__newobj__"),
                                  py::make_tuple(py::type::of<Rechnung>(), zustand(r.antwort)));
        });
    // pybind11's own __new__ would leave raw memory where the answer belongs, for a method to
    // read: a Rechnung is made from a state, or not at all.
    klasse.attr("__new__") = py::cpp_function(
        [](const py::type&, const py::tuple& stand) { return Rechnung{ausZustand(stand)}; },
        py::name("__new__"), py::arg("cls"), py::arg("zustand"));
}

}  // namespace staffel::python
