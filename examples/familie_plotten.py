#!/usr/bin/env python3
"""Tabulates and plots the family m[R, A][b, 2] for R from 3 to 5 in half steps.

Usage: familie_plotten.py [BILD.png]   (default: familie.png)

Between addition (3), multiplication (4) and power (5) lie the rational operations 7/2 and
9/2; each gets the Auflösungszahl of zeros it needs (its step, which rechne tells).
Needs the module on the path: PYTHONPATH=build/python python3 examples/familie_plotten.py
"""

import sys

import matplotlib

matplotlib.use("Agg")  # writes files only, no window needed
import matplotlib.pyplot as plt
import numpy as np

import staffelrechner

RECHENARTEN = ["3", "7/2", "4", "9/2", "5"]
EXPONENT = 2


def familie(basen):
    kurven = {}
    for r in RECHENARTEN:
        a = "0" * staffelrechner.rechne(r, "", "1", "1").step
        kurven[f"m[{r}, {a}][b, {EXPONENT}]"] = staffelrechner.werte(r, a, basen, EXPONENT)
    return kurven


def main():
    bild = sys.argv[1] if len(sys.argv) > 1 else "familie.png"
    basen = np.linspace(0.25, 3, 1000)
    kurven = familie(basen)

    print("b".rjust(6), *(name.rjust(20) for name in kurven))
    for i in range(0, len(basen), 111):
        print(f"{basen[i]:6.3f}", *(f"{werte[i]:20.6g}" for werte in kurven.values()))

    fig, ax = plt.subplots(figsize=(8, 5))
    for name, werte in kurven.items():
        ax.plot(basen, werte, label=name)  # NaN, where there is no valid result, leaves a gap
    ax.set(xlabel="b", ylabel="m[R, A][b, 2]", ylim=(0, 30),
           title="Von der Addition zur Potenz: m[R, A][b, 2]")
    ax.legend()
    ax.grid(True, alpha=0.3)
    fig.savefig(bild, dpi=100)
    print("Bild:", bild)


if __name__ == "__main__":
    main()
