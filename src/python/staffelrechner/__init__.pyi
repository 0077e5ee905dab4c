"""Der Rechenkern des Staffelrechners für Python (Typangaben)."""

from collections.abc import Sequence
from typing import Literal, overload

import numpy as np
import numpy.typing as npt

_Text = str | bytes
_Zahlen = float | npt.ArrayLike

class Rechnung:
    """Das Ergebnis einer Rechnung m[R, A][b, e]; jedes Feld der JSON-Antwort der Kommandozeile."""

    @property
    def ergebnis_text(self) -> str | None: ...
    @property
    def ergebnis(self) -> float | None: ...
    @property
    def meldung(self) -> str: ...
    @property
    def name(self) -> str: ...
    @property
    def fehlerstatus(self) -> int: ...
    @property
    def formel(self) -> str: ...
    @property
    def anzeige(self) -> str: ...
    @property
    def groesse(self) -> str | None: ...
    @property
    def gueltig(self) -> bool: ...
    @property
    def hoehe(self) -> float | None: ...
    @property
    def log10(self) -> float | None: ...
    @property
    def meldungen(self) -> list[str]: ...
    @property
    def aufloesungsliste(self) -> str: ...
    @property
    def step(self) -> int | None: ...
    @property
    def zaehler(self) -> dict[str, int]: ...
    def as_dict(self) -> dict[str, object]: ...

def rechne(
    rechenart: _Text,
    aufzahl: _Text,
    basis: _Text,
    exponent: _Text,
    *,
    grenzwert: bool = False,
    halt_nach: float = 10.0,
) -> Rechnung: ...
@overload
def werte(
    rechenart: _Text,
    aufzahl: _Text,
    basis: _Zahlen,
    exponent: _Zahlen,
    *,
    jobs: int | None = None,
    halt_nach: float = 10.0,
    status: Literal[False] = False,
    skala: Literal["wert", "log10", "hoehe"] = "wert",
) -> npt.NDArray[np.float64]: ...
@overload
def werte(
    rechenart: _Text,
    aufzahl: _Text,
    basis: _Zahlen,
    exponent: _Zahlen,
    *,
    jobs: int | None = None,
    halt_nach: float = 10.0,
    status: Literal[True],
    skala: Literal["wert", "log10", "hoehe"] = "wert",
) -> tuple[npt.NDArray[np.float64], npt.NDArray[np.bool_], npt.NDArray[np.int64]]: ...
def erkunden(
    rechenart: str = "5",
    aufzahl: str = "0",
    basis: float = 2.0,
    exponent: float = 2.0,
    *,
    rechenarten: Sequence[str] = ("3", "7/2", "4", "9/2", "5", "6"),
    nenner: int | range | None = None,
    variable: Literal["b", "e"] = "b",
    skala: Literal["wert", "log10", "hoehe"] = "wert",
    bereich: tuple[float, float] = (0.0, 4.0),
) -> object: ...
