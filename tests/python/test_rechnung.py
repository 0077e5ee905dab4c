"""Rechnung: attributes as as_dict()'s keys, pickle under every protocol, misuse raising."""

import pickle
import re
import subprocess
import sys

import pytest

import staffelrechner as s

# Texts that are not UTF-8, a size beyond 10^308, two values of fehlerstatus and no value.
RECHNUNGEN = [s.rechne(*felder) for felder in [(b"5\xe2\x82", b"0", b"2", b"3"), ("7", "00", "2", "400"),
                                               ("1/0", "", "2", "3"), ("3", "", "x", "1")]]


def test_attribute_sind_die_schluessel():
    for rechnung in RECHNUNGEN:
        for schluessel, wert in rechnung.as_dict().items():
            assert getattr(rechnung, re.sub("([A-Z])", r"_\1", schluessel).lower()) == wert


@pytest.mark.parametrize("protokoll", range(pickle.HIGHEST_PROTOCOL + 1))
def test_pickle(protokoll):
    for rechnung in RECHNUNGEN:
        kopie = pickle.loads(pickle.dumps(rechnung, protokoll))
        # The bytes too: as_dict() shows the texts repaired.
        assert kopie == rechnung and pickle.dumps(kopie, protokoll) == pickle.dumps(rechnung, protokoll)


# Each misuse in an interpreter of its own, so that a crash fails its row, not the whole run:
# every one raises with the module's own words.
@pytest.mark.parametrize("ausdruck,erwartet", [
    ("s.Rechnung.__new__(s.Rechnung)", "TypeError"),
    ("s.Rechnung.__new__(s.Rechnung, r.__reduce_ex__(2)[1][1][:-1])", "RuntimeError"),
    ("r.__setstate__(('x', 1))", "AttributeError"),
    ("s.rechne('5', '', '2', '3', halt_nach=None)", "TypeError: halt_nach braucht eine Zahl"),
    ("s.werte('5', '', 1.0, 2.0, jobs=1.5)", "TypeError: jobs braucht eine ganze Zahl"),
    ("s.rechne('5', '', '\\ud800', '3')", "ValueError: basis enthält ein einzelnes Surrogat"),
])
def test_missbrauch(ausdruck, erwartet):
    programm = (f"import staffelrechner as s\nr = s.rechne('7', '00', '2', '3')\ntry:\n    {ausdruck}\n"
                "except Exception as e:\n    print(f'{type(e).__name__}: {e}')\n")
    lauf = subprocess.run([sys.executable, "-c", programm], capture_output=True, text=True, timeout=60)
    assert lauf.returncode == 0 and lauf.stdout.startswith(erwartet), lauf.stdout + lauf.stderr


# In a notebook a Rechnung shows what the window shows: the formula with the result in words,
# the face, the name, the size and the boxes; markup in a text is escaped.
@pytest.mark.parametrize("eingaben,teile", [
    (("7", "00", "2", "3"), ["<code>m[7 , 00][2 , 3]</code> = <b>256</b>", 'title="gültig"']),
    (("1/4", "", "1", "0"), ["= <b>Division durch Null!</b>", 'title="ungültig"',
                             "Meldung: Division durch Null!"]),
    (("6", "1", "3", "2147483648"), ["= <b>|Ergebnis| &gt; 10^308</b>",
                                     "Größe: <code>(10^)^2147483644 6.00225356799455E+3638334640023"]),
    (("3", "", "2<i>", "1"), ["2&lt;i&gt;"]),
])
def test_html(eingaben, teile):
    r = s.rechne(*eingaben)
    html = r._repr_html_()
    for teil in teile:
        assert teil in html
