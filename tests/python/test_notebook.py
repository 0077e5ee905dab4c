"""The example notebook runs headless from top to bottom, as a newcomer's first run would."""

import html
import pathlib

import pytest

nbclient = pytest.importorskip("nbclient", reason="Debian's python3-nbclient is not installed")
pytest.importorskip("ipykernel", reason="Debian's python3-ipykernel is not installed")
pytest.importorskip("ipywidgets", reason="Debian's python3-ipywidgets is not installed")
import nbformat  # noqa: E402

import staffelrechner as s  # noqa: E402

NOTEBOOK = pathlib.Path(__file__).parents[2] / "examples" / "erste_schritte.ipynb"


def test_erste_schritte(tmp_path):
    notebook = nbformat.read(NOTEBOOK, as_version=4)
    assert not any(zelle.get("outputs") for zelle in notebook.cells), "outputs are committed"
    client = nbclient.NotebookClient(notebook, timeout=120, kernel_name="python3",
                                     resources={"metadata": {"path": str(tmp_path)}})
    # ipywidgets 6 opens its comms without the state nbclient's Output-widget mimicry reads.
    client.comm_open_handlers = {}
    client.execute()  # raises for the first cell that raises
    blöcke = [ausgabe["data"]["text/html"] for zelle in notebook.cells
              for ausgabe in zelle.get("outputs", []) if "text/html" in ausgabe.get("data", {})]
    gross = s.rechne("5", "", "10", "400")
    assert any(html.escape(gross.anzeige) in block and gross.groesse in block for block in blöcke)
    assert any("<b>256</b>" in block for block in blöcke)
