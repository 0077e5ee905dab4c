"""The example in examples/ runs headless and writes its plot."""

import os
import pathlib
import subprocess
import sys

BEISPIEL = pathlib.Path(__file__).parents[2] / "examples" / "familie_plotten.py"


def test_familie_plotten(tmp_path):
    png = tmp_path / "familie.png"
    lauf = subprocess.run([sys.executable, str(BEISPIEL), str(png)], capture_output=True, text=True,
                          check=True, env={**os.environ, "MPLBACKEND": "Agg"})
    assert png.read_bytes().startswith(b"\x89PNG")
    assert "m[5, ][b, 2]" in lauf.stdout
