"""The module answers as staffelrechner-cli does: the golden files and generated lines."""

import json
import os
import pathlib
import random
import subprocess

import pytest

import staffelrechner as s

GOLDEN = pathlib.Path(__file__).parents[1] / "golden"


def cli_objekt(zeile):
    # A command line without the size of huge results has no key "groesse" yet.
    objekt = json.loads(zeile)
    objekt.setdefault("groesse", None)
    return objekt


def vergleichen(zeilen, antworten, grenzwert, name):
    for nr, (zeile, antwort) in enumerate(zip(zeilen, antworten), 1):
        if "error" in json.loads(antwort):
            continue
        felder = zeile.removesuffix(b"\r").split(b"\t")
        rechnung = s.rechne(*felder, *[b""] * (4 - len(felder)), grenzwert=grenzwert, halt_nach=60)
        assert rechnung.as_dict() == cli_objekt(antwort), f"{name}:{nr} {zeile!r}"


@pytest.mark.parametrize("tsv", sorted(GOLDEN.glob("*.tsv")), ids=lambda p: p.stem)
def test_golden(tsv):
    zeilen = tsv.read_bytes().removesuffix(b"\n").split(b"\n")
    antworten = tsv.with_suffix(".jsonl").read_text(encoding="utf-8").splitlines()
    assert len(zeilen) == len(antworten)
    vergleichen(zeilen, antworten, "grenzwert" in tsv.stem, tsv.name)


def zufallszeile(zufall):
    rechenarten = ["3", "4", "5", "6", "7", "8/3", "14/3", "7/2", "5/4", "1/2", "1/4", "2/3",
                   "1/6", "-1", "-1/4", "0", "0,5", "1/0", "40000", "5\xe2\x82", "\xc3", ""]
    aufzahlen = ["", "0", "1", "00", "01", "10", "000", "2", "\xe4"]
    zahl = lambda: zufall.choice(["0", "1", "2", "-1", "0,5", " 3 ", "x", "", "1E400", "2.5E-3",
                                  str(round(zufall.uniform(-4, 6), zufall.randint(0, 4)))])
    felder = [zufall.choice(rechenarten), zufall.choice(aufzahlen), zahl(), zahl()]
    return "\t".join(felder).encode("latin-1")


def test_generierte_zeilen():
    zufall = random.Random(21)
    zeilen = [zufallszeile(zufall) for _ in range(2000)]
    lauf = subprocess.run([os.environ["STAFFEL_CLI"], "--batch", "--jobs", "2", "--halt-after", "60"],
                          input=b"\n".join(zeilen) + b"\n", capture_output=True, check=True)
    vergleichen(zeilen, lauf.stdout.decode("utf-8").splitlines(), False, "generiert")
