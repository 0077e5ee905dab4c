"""Ein Erkunder für Notebooks: Schieberegler für R, A, b und e, der Graph einer Familie und die
Rechnung am Cursor.

``erkunden(...)`` baut die Oberfläche aus ipywidgets; ``Erkundung`` rechnet und zeichnet ohne
Jupyter (eine grobe Vorschau, dann eine feinere Kurve, die sich anhalten lässt). Dieses Modul
braucht matplotlib, ``erkunden`` zudem ipywidgets; ``import staffelrechner`` braucht beides nicht.
"""

import io
import math
import threading
import time
from fractions import Fraction

import numpy as np
import PIL.Image
from matplotlib.backends.backend_agg import FigureCanvasAgg
from matplotlib.figure import Figure

import staffelrechner

SKALEN = {"wert": "Wert", "log10": "log₁₀|Wert|", "hoehe": "Turmhöhe"}
VARIABLEN = ("b", "e")
# One more than a round number: a round x range then has whole numbers among its samples,
# where operations valid only at whole exponents have their points.
VORSCHAU_PUNKTE = 2_001
FEIN_PUNKTE = 20_001
# A refinement checks its halt between pieces of this many samples.
FEIN_STUECK = 2_000
# The preview runs on the kernel's thread and must leave it within 50 ms, rechne's answer
# at the cursor included: slow operations (inverses, recursions) get fewer preview samples.
VORSCHAU_BUDGET = 0.025
CURSOR_HALT = 0.02


def rechenarten_mit_nenner(von, bis, nenner):
    """Alle R = p/q mit q in 1..nenner (oder q in einem range) von ``von`` bis ``bis``, als Texte.

    ``rechenarten_mit_nenner("3", "4", 2) == ["3", "7/2", "4"]``; jede Zahl einmal, gekürzt.
    """
    nenner_ = range(1, nenner + 1) if isinstance(nenner, int) else nenner
    unten, oben = Fraction(von), Fraction(bis)
    brueche = {
        Fraction(p, q)
        for q in nenner_
        for p in range(math.ceil(unten * q), math.floor(oben * q) + 1)
    }
    return [str(bruch) for bruch in sorted(brueche)]


class _Bild:
    """Eine Figur, deren Rahmen (Achsen, Beschriftung) nur neu gezeichnet wird, wenn er sich
    ändert: die Kurve allein kostet Zehntel einer Millisekunde, der Rahmen dreißig."""

    def __init__(self):
        self.figur = Figure(figsize=(7.5, 3.8), dpi=80)
        self.leinwand = FigureCanvasAgg(self.figur)
        self.achsen = self.figur.add_subplot()
        # Dots as well: where only whole exponents are valid, the curve is lone points.
        (self.kurve,) = self.achsen.plot([], [], ".-", linewidth=1.2, markersize=2, animated=True)
        self.senkrechte = self.achsen.axvline(0.0, color="0.6", linewidth=0.8, animated=True)
        (self.punkt,) = self.achsen.plot([], [], "o", color="C3", animated=True)
        self.achsen.grid(True, alpha=0.3)
        self.figur.subplots_adjust(left=0.1, right=0.97, top=0.9, bottom=0.13)
        self._rahmen = self._hintergrund = None

    def _y_grenzen(self, y):
        endlich = y[np.isfinite(y)]
        if not endlich.size:
            return self._rahmen[1] if self._rahmen else (-1.0, 1.0)
        unten, oben = endlich.min(), endlich.max()
        if self._rahmen:
            # A curve that still fills most of the frame keeps it while a slider moves.
            alt_unten, alt_oben = self._rahmen[1]
            if alt_unten <= unten and oben <= alt_oben and oben - unten >= (alt_oben - alt_unten) / 2:
                return self._rahmen[1]
        rand = (oben - unten) * 0.05 or 1.0
        return unten - rand, oben + rand

    def png(self, x, y, cursor, titel, xname, yname):
        # inf (log10 beyond 10^308) has no place on an axis; like NaN it leaves a gap.
        y = np.where(np.isfinite(y), y, np.nan)
        rahmen = ((x[0], x[-1]), self._y_grenzen(y), titel, xname, yname)
        if rahmen != self._rahmen:
            self.achsen.set(xlim=rahmen[0], ylim=rahmen[1], title=titel, xlabel=xname,
                            ylabel=yname)
            self.leinwand.draw()
            self._rahmen, self._hintergrund = rahmen, self.leinwand.copy_from_bbox(self.figur.bbox)
        else:
            self.leinwand.restore_region(self._hintergrund)
        self.kurve.set_data(x, y)
        self.senkrechte.set_xdata([cursor[0], cursor[0]])
        self.punkt.set_data([cursor[0]], [cursor[1]])
        for kuenstler in (self.senkrechte, self.kurve, self.punkt):
            self.achsen.draw_artist(kuenstler)
        puffer = io.BytesIO()
        pixel = np.asarray(self.leinwand.buffer_rgba())[..., :3]
        PIL.Image.fromarray(pixel).save(puffer, format="png", compress_level=1)
        return puffer.getvalue()


class Erkundung:
    """Rechnet und zeichnet die Familie m[R, A][x, e] oder m[R, A][b, x] am Cursor (b, e).

    Die Attribute rechenart, aufzahl, basis, exponent, variable ("b" oder "e"), skala
    ("wert", "log10", "hoehe") und bereich (x von, bis) lassen sich jederzeit setzen.
    ``vorschau()`` zeichnet grob (VORSCHAU_PUNKTE Werte) und gibt ein PNG; ``verfeinere(halt)``
    zeichnet FEIN_PUNKTE Werte in Stücken und gibt None, sobald ``halt()`` wahr ist.
    ``vorschau()`` gehört auf einen Thread, ``verfeinere`` darf auf einem anderen laufen.
    """

    def __init__(self, rechenart="5", aufzahl="0", basis=2.0, exponent=2.0, *, variable="b",
                 skala="wert", bereich=(0.0, 4.0)):
        self.rechenart, self.aufzahl = rechenart, aufzahl
        self.basis, self.exponent = float(basis), float(exponent)
        self.variable, self.skala, self.bereich = variable, skala, bereich
        self.vorschau_punkte = VORSCHAU_PUNKTE
        self._vorschau_bild, self._fein_bild = _Bild(), _Bild()
        self._fein_sperre = threading.Lock()

    def _stand(self):
        if self.variable not in VARIABLEN:
            raise ValueError(f"variable braucht 'b' oder 'e', nicht {self.variable!r}.")
        if self.skala not in SKALEN:
            raise ValueError(f"skala braucht eine von {', '.join(SKALEN)}, nicht {self.skala!r}.")
        return (self.rechenart, self.aufzahl, self.basis, self.exponent, self.variable,
                self.skala, tuple(map(float, self.bereich)))

    @staticmethod
    def _werte(stand, x):
        r, a, b, e, variable, skala, _ = stand
        basis, exponent = (x, e) if variable == "b" else (b, x)
        return staffelrechner.werte(r, a, basis, exponent, skala=skala)

    @staticmethod
    def _zeichne(bild, stand, x, y):
        r, a, b, e, variable, skala, _ = stand
        cursor_x = b if variable == "b" else e
        cursor = (cursor_x, float(Erkundung._werte(stand, np.array([cursor_x]))[0]))
        titel = f"m[{r}, {a}][x, e]" if variable == "b" else f"m[{r}, {a}][b, x]"
        return bild.png(x, y, cursor, titel, f"x = {variable}", SKALEN[skala])

    def vorschau(self):
        """Die grobe Kurve als PNG; passt die Zahl der Werte der Rechenzeit an."""
        stand = self._stand()
        x = np.linspace(*stand[6], self.vorschau_punkte)
        start = time.perf_counter()
        y = self._werte(stand, x)
        dauer = time.perf_counter() - start
        machbar = int(self.vorschau_punkte * VORSCHAU_BUDGET / max(dauer, 1e-9))
        self.vorschau_punkte = min(VORSCHAU_PUNKTE, max(50, machbar))
        return self._zeichne(self._vorschau_bild, stand, x, y)

    def verfeinere(self, halt=lambda: False):
        """Die feine Kurve als PNG, oder None, wenn ``halt()`` zwischen zwei Stücken wahr wird."""
        stand = self._stand()
        with self._fein_sperre:
            x = np.linspace(*stand[6], FEIN_PUNKTE)
            y = np.empty_like(x)
            for anfang in range(0, x.size, FEIN_STUECK):
                if halt():
                    return None
                stueck = slice(anfang, anfang + FEIN_STUECK)
                y[stueck] = self._werte(stand, x[stueck])
            return None if halt() else self._zeichne(self._fein_bild, stand, x, y)

    def rechnung(self, halt_nach=10.0):
        """``rechne`` am Cursor; die Zahlen gehen als ihr repr hinein, wie bei ``werte``."""
        return staffelrechner.rechne(self.rechenart, self.aufzahl, repr(self.basis),
                                     repr(self.exponent), halt_nach=halt_nach)


class _Steuerung:
    """Hält die Oberfläche aktuell: Vorschau sofort, die feine Kurve nach einer Ruhepause."""

    def __init__(self, erkundung, bild, ergebnis, ruhe=0.15):
        self.erkundung, self.bild, self.ergebnis, self.ruhe = erkundung, bild, ergebnis, ruhe
        self._schritt = 0
        self._wecker = None

    def aendere(self, name, wert):
        setattr(self.erkundung, name, wert)
        self._schritt += 1
        schritt = self._schritt
        self.bild.value = self.erkundung.vorschau()
        start = time.perf_counter()
        rechnung = self.erkundung.rechnung(halt_nach=CURSOR_HALT)
        angehalten = time.perf_counter() - start >= CURSOR_HALT
        self.ergebnis.value = "…" if angehalten else rechnung._repr_html_()
        if self._wecker is not None:
            self._wecker.cancel()
        self._wecker = threading.Timer(self.ruhe, self._verfeinere, (schritt, angehalten))
        self._wecker.daemon = True
        self._wecker.start()

    def _verfeinere(self, schritt, cursor_fehlt):
        def halt():
            return schritt != self._schritt

        if cursor_fehlt:
            html = self.erkundung.rechnung()._repr_html_()
            if not halt():
                self.ergebnis.value = html
        png = self.erkundung.verfeinere(halt)
        if png is not None:
            self.bild.value = png


def erkunden(rechenart="5", aufzahl="0", basis=2.0, exponent=2.0, *,
             rechenarten=("3", "7/2", "4", "9/2", "5", "6"), nenner=None, variable="b",
             skala="wert", bereich=(0.0, 4.0)):
    """Öffnet im Notebook Schieberegler für R, b und e, ein Feld für A und den Graphen.

    rechenarten: die Rechenarten, über die der Regler für R läuft (Texte wie "5", "1/6",
        "7/2"); mit nenner (eine Zahl n oder ein range) stattdessen jeder Bruch p/q mit q in
        1..n zwischen der kleinsten und der größten davon.
    variable: "b" zeichnet m[R, A][x, e] über x = b, "e" zeichnet m[R, A][b, x].
    skala: "wert", "log10" (log₁₀|Wert|) oder "hoehe" (Turmhöhe), wie bei ``werte``.
    bereich: (von, bis) der x-Achse und der Regler für b und e.

    Solange ein Regler bewegt wird, zeichnet der Graph grob (2 001 Werte); steht er, folgt
    eine feinere Kurve (20 001 Werte), die die nächste Bewegung anhält. Unter dem Graphen
    steht ``rechne`` am Cursor (b, e). A "0" wird zu so vielen Nullen, wie R braucht.
    """
    import ipywidgets as w

    if nenner is not None:
        grenzen = sorted(rechenarten, key=Fraction)
        rechenarten = rechenarten_mit_nenner(grenzen[0], grenzen[-1], nenner)
    rechenarten = list(rechenarten)
    if rechenart not in rechenarten:
        rechenarten = sorted({*rechenarten, rechenart}, key=Fraction)
    erkundung = Erkundung(rechenart, aufzahl, basis, exponent, variable=variable, skala=skala,
                          bereich=bereich)
    von, bis = map(float, bereich)
    regler = dict(min=von, max=bis, step=(bis - von) / 400, readout_format=".3f")
    felder = {
        "rechenart": w.SelectionSlider(options=rechenarten, value=rechenart, description="R"),
        "aufzahl": w.Text(value=aufzahl, description="A"),
        "basis": w.FloatSlider(value=basis, description="b", **regler),
        "exponent": w.FloatSlider(value=exponent, description="e", **regler),
        "variable": w.ToggleButtons(options={"x = b": "b", "x = e": "e"}, value=variable,
                                    description="Graph über"),
        "skala": w.ToggleButtons(options={text: s for s, text in SKALEN.items()}, value=skala,
                                 description="Skala"),
    }
    bild, ergebnis = w.Image(format="png"), w.HTML()
    steuerung = _Steuerung(erkundung, bild, ergebnis)
    steuerung.aendere("variable", variable)
    for name, feld in felder.items():
        feld.observe(lambda aenderung, name=name: steuerung.aendere(name, aenderung["new"]),
                     names="value")
    oberflaeche = w.VBox([*felder.values(), bild, ergebnis])
    oberflaeche.add_class("staffelrechner-erkunden")
    return oberflaeche
