#include "python/rechnung.h"

#include <pybind11/stl.h>

#include "engine/run/utf8_text.h"

namespace py = pybind11;

namespace staffel::python {

namespace {

py::str text(const std::string& bytes) {
    return py::str(utf8Text(bytes));
}

py::object textOderNone(const std::optional<std::string>& bytes) {
    return bytes ? py::object(text(*bytes)) : py::object(py::none());
}

py::list meldungen(const Antwort& a) {
    py::list liste;
    for (const std::string& meldung : a.meldungen) liste.append(text(meldung));
    return liste;
}

py::dict zaehler(const Antwort& a) {
    py::dict dict;
    for (const auto& [name, wert] : a.zaehler) dict[name] = wert;
    return dict;
}

// The keys and values of the command line's JSON object, in its order.
py::dict alsDict(const Rechnung& r) {
    const Antwort& a = r.antwort;
    py::dict dict;
    dict["aufloesungsliste"] = text(a.aufloesungsliste);
    dict["ergebnis"] = py::cast(a.ergebnis);
    dict["ergebnisText"] = textOderNone(a.ergebnisText);
    dict["fehlerstatus"] = a.fehlerstatus;
    dict["groesse"] = textOderNone(a.groesse);
    dict["gueltig"] = a.gueltig;
    dict["meldung"] = text(a.meldung);
    dict["meldungen"] = meldungen(a);
    dict["name"] = text(a.name);
    dict["step"] = py::cast(a.step);
    dict["zaehler"] = zaehler(a);
    return dict;
}

py::object bytesOderNone(const std::optional<std::string>& b) {
    return b ? py::object(py::bytes(*b)) : py::object(py::none());
}

// The engine's bytes as they are, so that a copy on another machine says the same.
py::tuple zustand(const Rechnung& r) {
    const Antwort& a = r.antwort;
    py::list meldungen;
    for (const std::string& meldung : a.meldungen) meldungen.append(py::bytes(meldung));
    py::list zaehler;
    for (const auto& paar : a.zaehler) zaehler.append(paar.second);
    return py::make_tuple(bytesOderNone(a.ergebnisText), a.ergebnis, py::bytes(a.meldung),
                          py::bytes(a.name), a.fehlerstatus, bytesOderNone(a.groesse), a.gueltig,
                          meldungen, py::bytes(a.aufloesungsliste), a.step, zaehler);
}

Rechnung ausZustand(const py::tuple& t) {
    if (t.size() != 11) throw std::runtime_error("Rechnung: unbekannter Zustand");
    Rechnung r;
    Antwort& a = r.antwort;
    a.ergebnisText = t[0].cast<std::optional<std::string>>();
    a.ergebnis = t[1].cast<std::optional<double>>();
    a.meldung = t[2].cast<std::string>();
    a.name = t[3].cast<std::string>();
    a.fehlerstatus = t[4].cast<std::int64_t>();
    a.groesse = t[5].cast<std::optional<std::string>>();
    a.gueltig = t[6].cast<bool>();
    a.meldungen = t[7].cast<std::vector<std::string>>();
    a.aufloesungsliste = t[8].cast<std::string>();
    a.step = t[9].cast<std::optional<int>>();
    const auto werte = t[10].cast<std::vector<std::int64_t>>();
    if (werte.size() != a.zaehler.size()) throw std::runtime_error("Rechnung: unbekannter Zustand");
    for (std::size_t i = 0; i < werte.size(); ++i) a.zaehler[i] = {kZaehlerNamen[i], werte[i]};
    return r;
}

}  // namespace

void rechnungBinden(py::module_& modul) {
    py::class_<Rechnung>(modul, "Rechnung", R"(
Das Ergebnis einer Rechnung m[R, A][b, e], wie es ``staffelrechner.rechne`` liefert.

Jedes Attribut ist ein Feld der JSON-Antwort von ``staffelrechner-cli --json``, in
snake_case; ``as_dict()`` gibt das JSON-Objekt selbst, Schlüssel für Schlüssel. Eine
Rechnung ist unveränderlich und lässt sich mit ``pickle`` kopieren (etwa zu Dask-Workern).
)")
        .def_property_readonly(
            "ergebnis_text", [](const Rechnung& r) { return textOderNone(r.antwort.ergebnisText); },
            "Der Text des Ergebnisfelds, etwa ``'  256'``; None, wenn nicht gerechnet wurde.")
        .def_property_readonly(
            "ergebnis", [](const Rechnung& r) { return r.antwort.ergebnis; },
            "Das Ergebnis als float; None, wenn es eine Meldung gibt oder der Wert nicht endlich "
            "ist.")
        .def_property_readonly(
            "meldung", [](const Rechnung& r) { return text(r.antwort.meldung); },
            "Die Meldung der Rechnung, etwa ``'   Nicht definiert!'``; leer, wenn es keine gibt.")
        .def_property_readonly(
            "name", [](const Rechnung& r) { return text(r.antwort.name); },
            "Der Name der Rechenart, wie ihn das Fenster zeigt.")
        .def_property_readonly(
            "fehlerstatus", [](const Rechnung& r) { return r.antwort.fehlerstatus; },
            "0 ohne Fehler; 1 Fehler gemeldet, Wert unbestimmt oder angehalten; 3 ein nicht "
            "ganzzahliger Exponent in der Rekursion; 4 ein Laufzeitfehler.")
        .def_property_readonly(
            "groesse", [](const Rechnung& r) { return textOderNone(r.antwort.groesse); },
            "Die Größe eines Ergebnisses jenseits von 10^308 als Text; sonst None.")
        .def_property_readonly(
            "gueltig", [](const Rechnung& r) { return r.antwort.gueltig; },
            "True, wenn das Ergebnis gültig ist (das lächelnde Gesicht).")
        .def_property_readonly(
            "meldungen", [](const Rechnung& r) { return meldungen(r.antwort); },
            "Die Texte der Meldungsfenster ('Problem'), die die Rechnung geöffnet hätte.")
        .def_property_readonly(
            "aufloesungsliste", [](const Rechnung& r) { return text(r.antwort.aufloesungsliste); },
            "Die Auflösungsliste, etwa ``'{ 7, 6, 5 }'``.")
        .def_property_readonly(
            "step", [](const Rechnung& r) { return r.antwort.step; },
            "Die Anzahl der Ziffern, die A braucht; None, wenn R abgelehnt wurde.")
        .def_property_readonly(
            "zaehler", [](const Rechnung& r) { return zaehler(r.antwort); },
            "Die zehn Zähler der Rechnung als dict (``'ber'``, ``'na'``, ``'iii'`` …).")
        .def("as_dict", &alsDict,
             "Das JSON-Objekt von ``staffelrechner-cli --json`` als dict, Schlüssel für "
             "Schlüssel (``ergebnisText`` und die übrigen Namen der Kommandozeile).")
        .def("__eq__",
             [](const Rechnung& a, const py::object& b) -> py::object {
                 if (!py::isinstance<Rechnung>(b))
                     return py::reinterpret_borrow<py::object>(Py_NotImplemented);
                 return py::bool_(alsDict(a).equal(alsDict(b.cast<const Rechnung&>())));
             })
        .def("__repr__",
             [](const Rechnung& r) {
                 return py::str(
                            "Rechnung(ergebnis_text={!r}, ergebnis={!r}, gueltig={!r}, "
                            "meldung={!r})")
                     .format(textOderNone(r.antwort.ergebnisText), r.antwort.ergebnis,
                             r.antwort.gueltig, text(r.antwort.meldung));
             })
        .def(py::pickle(&zustand, &ausZustand));
}

}  // namespace staffel::python
