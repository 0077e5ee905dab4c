"""werte: element for element what rechne answers, over NumPy's shapes and types."""

import math

import numpy as np
import pytest

import staffelrechner as s

BASEN = np.array([0.5, 2.0, -1.5, 1e-310, 3.25, 1e300, np.inf, np.nan, 0.1, 0.0])
EXPONENTEN = np.array([[2.0], [3.0], [-1.0], [0.5]])


def erwartet(r, a, b, e):
    if not (math.isfinite(b) and math.isfinite(e)):
        return math.nan, False, 1
    rechnung = s.rechne(r, a, repr(float(b)), repr(float(e)))
    wert = rechnung.ergebnis if rechnung.gueltig and rechnung.ergebnis is not None else math.nan
    return wert, rechnung.gueltig, rechnung.fehlerstatus


@pytest.mark.parametrize("r,a", [("5", ""), ("7", "00"), ("1/6", "00"), ("8/3", "000"),
                                 ("14/3", "0"), ("6", "1"), ("0", ""), ("5", "2")])
def test_wie_rechne(r, a):
    werte, gueltig, stati = s.werte(r, a, BASEN, EXPONENTEN, jobs=2, status=True)
    assert werte.shape == gueltig.shape == stati.shape == (4, 10)
    assert (werte.dtype, gueltig.dtype, stati.dtype) == (np.float64, np.bool_, np.int64)
    for (i, j), wert in np.ndenumerate(werte):
        soll_wert, *soll_status = erwartet(r, a, BASEN[j], EXPONENTEN[i, 0])
        assert wert == soll_wert or math.isnan(wert) and math.isnan(soll_wert), (i, j)
        assert [gueltig[i, j], stati[i, j]] == soll_status, (i, j)
    np.testing.assert_array_equal(s.werte(r, a, BASEN, EXPONENTEN, jobs=1), werte)


def test_formen():
    assert s.werte("3", "", np.arange(6).reshape(2, 3), [[1], [2]]).tolist() == [[1, 2, 3], [5, 6, 7]]
    skalar = s.werte("5", "", 3, 2)
    assert isinstance(skalar, np.float64) and skalar == 9
    assert s.werte("5", "", np.arange(2000, dtype=np.int32), 2, jobs=3)[1999] == 1999**2
    assert s.werte("5", "", [], 2).shape == (0,)


@pytest.mark.parametrize("aufruf,fehler", [
    (lambda: s.werte("5", "", [1, 2, 3], [1, 2]), ValueError),
    (lambda: s.werte("5", "", ["1"], 2), TypeError),
    (lambda: s.werte("5", "", [1j], 2), TypeError),
    (lambda: s.werte("5", "", [None], 2), TypeError),
    (lambda: s.werte(5, "", 1, 2), TypeError),
    (lambda: s.werte("5", "", 1, 2, jobs=0), ValueError),
    (lambda: s.rechne("5", "", 2, "3"), TypeError),
    (lambda: s.rechne("5", "", "2", "3", halt_nach=-1), ValueError),
    (lambda: s.rechne("5", "", "2", "3", halt_nach=math.nan), ValueError),
    (lambda: s.werte("5", "", 2.0, 3.0, skala="ln"), ValueError),
    (lambda: s.werte("5", "", 2.0, 3.0, skala=None), TypeError),
])
def test_fehlbedienung(aufruf, fehler):
    with pytest.raises(fehler):
        aufruf()


# The scales agree with rechne's fields; where rechne has no number, log10 may still be
# infinite (beyond the doubles) and both are NaN without a size.
@pytest.mark.parametrize("r,a,b,e", [("6", "1", [3.0, 10.0, 1.5, 0.0], 4.0),
                                     ("6", "0", [10.0, -2.0, 0.5], 5.0),
                                     ("5", "", [10.0, -10.0, 1e-200, 0.0], 400.0),
                                     ("1/6", "00", [2.0, -3.0], 2.0)])
def test_skalen_wie_rechne(r, a, b, e):
    for skala in ("log10", "hoehe"):
        werte = s.werte(r, a, b, e, skala=skala)
        for bi, wert in zip(b, werte):
            feld = getattr(s.rechne(r, a, repr(bi), repr(e)), skala)
            if feld is not None:
                assert wert == pytest.approx(feld, rel=1e-15), (skala, bi)
            else:
                assert math.isnan(wert) or (skala == "log10" and wert == math.inf), (skala, bi)

