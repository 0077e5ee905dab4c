"""The explorer's computing half, without Jupyter: its curves and its list of R."""

import numpy as np
import pytest

pytest.importorskip("matplotlib", reason="Debian's python3-matplotlib is not installed")
from staffelrechner import erkundung  # noqa: E402

import staffelrechner as s  # noqa: E402


@pytest.mark.parametrize("variable,skala,kurve", [
    ("b", "wert", lambda x: s.werte("5", "0", x, 3.0)),
    ("e", "wert", lambda x: s.werte("5", "0", 2.0, x)),
    ("e", "hoehe", lambda x: s.werte("5", "0", 2.0, x, skala="hoehe")),
])
def test_kurve_ueber_der_variablen(variable, skala, kurve):
    erk = erkundung.Erkundung("5", "0", 2.0, 3.0, variable=variable, skala=skala, bereich=(0, 4))
    x = np.linspace(0, 4, 5)
    np.testing.assert_array_equal(erk._werte(erk._stand(), x), kurve(x))
    assert erk.vorschau().startswith(b"\x89PNG") and erk.verfeinere().startswith(b"\x89PNG")
    assert erk.rechnung() == s.rechne("5", "0", "2.0", "3.0")
    fragen = []  # asked between pieces, it stops at the first yes
    assert erk.verfeinere(lambda: fragen.append(1) or len(fragen) == 3) is None and len(fragen) == 3


@pytest.mark.parametrize("von,bis,nenner,soll", [
    ("3", "4", 2, ["3", "7/2", "4"]),
    ("5", "6", range(3, 4), ["5", "16/3", "17/3", "6"]),
])
def test_rechenarten_mit_nenner(von, bis, nenner, soll):
    assert erkundung.rechenarten_mit_nenner(von, bis, nenner) == soll
