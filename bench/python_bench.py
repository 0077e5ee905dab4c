#!/usr/bin/env python3
"""The Python module's speed figures against their targets (run by scripts/bench-ratios).

Usage: python_bench.py ENGINE_MICROSECONDS
  werte   m[5, ][b, 2] over 1 000 000 values of b on one thread (>= 1 000 000 values/s), and
          jobs=2 against jobs=1 (<= 0.60: about linear on two idle cores)
  log10   m[5, ][b, 400] over 1 000 000 values of b in [0, 100] on one thread in the log10
          scale, where 94 % of the results lie beyond 10^308 (>= 1 000 000 values/s)
  rechne  m[7, 00][2, 3] per call minus the engine's own answer to it (ENGINE_MICROSECONDS,
          BM_EinzelAntwort): the module's cost of a call (<= 5 us)
  erkunden  the explorer's preview of m[5, 0][b, e] over 2 001 values of b, e moving by one
          slider step each time, PNG included (>= 30 per second)
Each time is the fastest of five repetitions, wall-clock (the work runs on threads of its own).
Exits non-zero when a figure misses its target.
"""

import sys
import time

import numpy as np

import staffelrechner as s
from staffelrechner.erkundung import Erkundung


def schnellste(aufgabe, wiederholungen=5):
    zeiten = []
    for _ in range(wiederholungen):
        start = time.perf_counter()
        aufgabe()
        zeiten.append(time.perf_counter() - start)
    return min(zeiten)


def main():
    engine_us = float(sys.argv[1])
    basen = np.linspace(0, 10, 1_000_000)
    eins = schnellste(lambda: s.werte("5", "", basen, 2, jobs=1))
    zwei = schnellste(lambda: s.werte("5", "", basen, 2, jobs=2))
    grosse_basen = np.linspace(0, 100, 1_000_000)
    log10 = schnellste(lambda: s.werte("5", "", grosse_basen, 400, jobs=1, skala="log10"))
    aufrufe = 20_000
    rechne_us = schnellste(lambda: [s.rechne("7", "00", "2", "3") for _ in range(aufrufe)]) / aufrufe * 1e6

    erkundung = Erkundung("5", "0", 2.0, 2.0)

    def vorschauen(anzahl=60):
        for i in range(anzahl):
            erkundung.exponent = 2.0 + i * 0.01
            erkundung.vorschau()

    vorschau_s = schnellste(vorschauen) / 60

    ok = True

    def zeile(text, gut):
        nonlocal ok
        ok &= gut
        print(text, "ok" if gut else "MISSED")

    zeile(f"python werte m[5, ][b, 2], 1 000 000 values, jobs=1: {1e6 / eins:,.0f} values/s "
          "(target >= 1,000,000) ", eins <= 1)
    zeile(f"python werte jobs=2 / jobs=1: {zwei * 1e3:.0f} / {eins * 1e3:.0f} ms = {zwei / eins:.2f} "
          "(target <= 0.60) ", zwei / eins <= 0.6)
    zeile(f"python werte m[5, ][b, 400], skala=\"log10\", 1 000 000 values, jobs=1: "
          f"{1e6 / log10:,.0f} values/s (target >= 1,000,000) ", log10 <= 1)
    zeile(f"python rechne m[7, 00][2, 3]: {rechne_us:.2f} us per call, engine {engine_us:.2f} us: "
          f"{rechne_us - engine_us:.2f} us more (target <= 5) ", rechne_us - engine_us <= 5)
    zeile(f"python erkunden preview, 2 001 closed-form values: {1 / vorschau_s:.0f} per second "
          "(target >= 30) ", vorschau_s <= 1 / 30)
    sys.exit(0 if ok else 1)


if __name__ == "__main__":
    main()
