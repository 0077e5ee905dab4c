"""Der Rechenkern des Staffelrechners für Python.

Rechnet die Rechenarten m[R, A][b, e] der Staffellehre mit demselben Kern wie das Fenster
und ``staffelrechner-cli``, mit denselben Ergebnissen Byte für Byte:

- ``rechne(rechenart, aufzahl, basis, exponent)`` rechnet wie "Rechne !" und gibt eine
  ``Rechnung`` mit jedem Feld der JSON-Antwort der Kommandozeile;
- ``werte(rechenart, aufzahl, basis, exponent)`` rechnet über NumPy-Arrays von b und e
  (mit Broadcasting) auf mehreren Threads und gibt ein float64-Array, NaN wo kein gültiges
  Ergebnis ist.

- ``erkunden(...)`` öffnet im Notebook Schieberegler für R, b und e und zeichnet die Familie
  (braucht ipywidgets und matplotlib, ``import staffelrechner`` nicht).

``rechne`` und ``werte`` geben die GIL frei; Strg+C hält laufende Rechnungen binnen 0,2 s an und löst
KeyboardInterrupt aus. Funktionen und Rechnungen lassen sich mit pickle zu Dask-Workern
schicken (``dask.array.map_blocks``, ``dask.bag``), sofern das Modul dort installiert ist.
"""

import numbers
from html import escape as _escape

from staffelrechner import _kern
from staffelrechner._kern import Rechnung

__all__ = ["Rechnung", "rechne", "werte"]

Rechnung.__module__ = __name__


def __getattr__(name):
    # Only the explorer needs ipywidgets and matplotlib; a Dask worker or a script does not.
    if name == "erkunden":
        from staffelrechner import erkundung

        return erkundung.erkunden
    raise AttributeError(f"module {__name__!r} has no attribute {name!r}")


def _html(rechnung):
    """Die Rechnung als kleiner HTML-Block für Notebooks, wie das Fenster sie zeigt."""
    # Faces every desktop font has, so no browser shows an empty box instead.
    gesicht = ("\u263a", "gültig") if rechnung.gueltig else ("\u2639", "ungültig")
    zeilen = [
        f'<div style="font-size:1.15em"><span title="{gesicht[1]}" role="img" '
        f'aria-label="{gesicht[1]}">{gesicht[0]}</span> <code>{_escape(rechnung.formel)}</code>'
        f" = <b>{_escape(rechnung.anzeige)}</b></div>",
        f"<div>{_escape(rechnung.name.strip())}</div>",
    ]
    if rechnung.groesse is not None:
        zeilen.append(f"<div>Größe: <code>{_escape(rechnung.groesse)}</code></div>")
    for meldung in rechnung.meldungen:
        zeilen.append(f"<div>Meldung: {_escape(meldung.strip())}</div>")
    zelle = 'style="padding:0 0.6em;text-align:right"'
    namen = "".join(f"<th {zelle}>{_escape(n)}</th>" for n in rechnung.zaehler)
    werte_ = "".join(f"<td {zelle}>{w}</td>" for w in rechnung.zaehler.values())
    zeilen.append(
        '<table style="font-size:0.85em"><tr>' + namen + "</tr><tr>" + werte_ + "</tr></table>"
    )
    return '<div class="staffelrechner-rechnung">' + "".join(zeilen) + "</div>"


Rechnung._repr_html_ = _html


def _text(name, wert):
    if not isinstance(wert, (str, bytes)):
        raise TypeError(f"{name} braucht einen Text (str oder bytes), nicht {type(wert).__name__}.")
    if isinstance(wert, str) and not wert.isascii():
        try:
            wert.encode("utf-8")
        except UnicodeEncodeError:
            raise ValueError(f"{name} enthält ein einzelnes Surrogat, das kein Zeichen ist.") from None
    return wert


# pybind's own refusal would list C++ signatures; a caller reads why in the module's words.
def _zahl(name, wert, ganz=False):
    erlaubt = numbers.Integral if ganz else numbers.Real
    if isinstance(wert, bool) or not isinstance(wert, erlaubt):
        art = "eine ganze Zahl" if ganz else "eine Zahl (Sekunden)"
        raise TypeError(f"{name} braucht {art}, nicht {type(wert).__name__}.")
    return int(wert) if ganz else float(wert)


def rechne(rechenart, aufzahl, basis, exponent, *, grenzwert=False, halt_nach=10.0):
    """Rechnet m[R, A][b, e] wie "Rechne !" im Fenster und gibt eine Rechnung.

    Die vier Argumente sind die Texte der Eingabefelder (str oder bytes), genau wie im
    Fenster und in ``staffelrechner-cli``: ``rechne('7', '00', '2', '3').ergebnis == 256.0``.
    A darf leer sein. Die Meldungen einer Rechnung (etwa "Division durch Null") sind
    Ergebnisse, keine Ausnahmen.

    grenzwert: True rechnet den Grenzwert für e gegen +-Unendlich ("Lim e->+-oo"; exponent
        wird nicht gelesen).
    halt_nach: Sekunden, nach denen eine noch laufende Rechnung angehalten wird (0: ohne
        Zeitgrenze), wie ``--halt-after``.

    Die Rechnung läuft mit freigegebener GIL auf einem eigenen großen Stapel des aufrufenden
    Threads. TypeError, wenn ein Text weder str noch bytes ist oder halt_nach keine Zahl;
    ValueError für einen Text mit einzelnem Surrogat und für halt_nach außerhalb von 0 bis 1e6.
    """
    texte = zip(("rechenart", "aufzahl", "basis", "exponent"), (rechenart, aufzahl, basis, exponent))
    halt_nach = _zahl("halt_nach", halt_nach)
    return _kern.rechne(*(_text(*t) for t in texte), bool(grenzwert), halt_nach)


def werte(
    rechenart, aufzahl, basis, exponent, *, jobs=None, halt_nach=10.0, status=False, skala="wert"
):
    """Rechnet m[R, A][b, e] für viele b und e und gibt die Ergebnisse als float64-Array.

    basis und exponent sind Zahlen oder array_like reeller Zahlen; sie werden nach den
    Regeln von NumPy gemeinsam ausgedehnt (Broadcasting). Jeder Wert wird gerechnet wie
    ``rechne(rechenart, aufzahl, repr(b), repr(e))``, also mit einem Text, der genau diese
    Zahl ergibt, auf einem frisch zurückgesetzten Zustand. Das Ergebnis ist dessen
    ``ergebnis``, wo die Rechnung gültig ist, sonst NaN; inf und NaN als b oder e ergeben NaN
    (wie eine Zahl jenseits des double-Bereichs, Fehlerstatus 1).

    jobs: Anzahl der Threads (Vorgabe: so viele, wie der Rechner Hardware-Threads hat); jeder
        hat seinen eigenen Zustand, die Ergebnisse hängen nicht davon ab.
    halt_nach: Sekunden je Wert, wie bei ``rechne``.
    status: True gibt ``(werte, gueltig, fehlerstatus)`` zurück, dazu ein bool- und ein
        int64-Array derselben Form.
    skala: ``"wert"`` (das Ergebnis), ``"log10"`` (log10 |Ergebnis|) oder ``"hoehe"`` (die
        Turmhöhe sign(v)·slog10(1 + |v|)), wie der Graph sie zeichnet; ein Ergebnis jenseits
        von 10^308 hat seinen Platz darin aus seiner Größe, NaN, wo es keine gibt; inf, wo
        log10 |Ergebnis| selbst jenseits von 10^308 liegt.

    Bei Zahlen statt Arrays sind die Ergebnisse Skalare. TypeError für Arrays, die keine
    reellen Zahlen enthalten; ValueError, wenn sich die Formen nicht ausdehnen lassen.
    """
    texte = _text("rechenart", rechenart), _text("aufzahl", aufzahl)
    if not isinstance(skala, str):
        raise TypeError(f"skala braucht einen Text, nicht {type(skala).__name__}.")
    jobs = None if jobs is None else _zahl("jobs", jobs, ganz=True)
    halt_nach = _zahl("halt_nach", halt_nach)
    return _kern.werte(*texte, basis, exponent, jobs, halt_nach, bool(status), skala)
