"""Rechnung: its attributes are the keys of as_dict(), and pickle copies it under every protocol."""

import pickle
import re

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


def test_falscher_zustand():
    zustand = RECHNUNGEN[0].__reduce_ex__(2)[1][1]
    for falsch in [zustand[:-1], zustand + (0,), zustand[:3] + ("x",) + zustand[4:],
                   zustand[:-1] + ([1, 2],), (None,) * len(zustand)]:
        with pytest.raises(RuntimeError):
            s.Rechnung.__new__(s.Rechnung, falsch)
    with pytest.raises(TypeError):
        s.Rechnung.__new__(s.Rechnung)


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
