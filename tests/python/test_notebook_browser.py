"""The example notebook in headless Chromium: move the explorer's e slider, see the plot change."""

import contextlib
import os
import pathlib
import re
import secrets
import shutil
import socket
import subprocess
import sys
import time

import pytest

webdriver = pytest.importorskip("selenium.webdriver", reason="Debian's python3-selenium is not installed")
pytest.importorskip("notebook", reason="Debian's jupyter-notebook is not installed")
pytest.importorskip("ipywidgets", reason="Debian's python3-ipywidgets is not installed")
if not (os.path.exists("/usr/bin/chromium") and os.path.exists("/usr/bin/chromedriver")):
    pytest.skip("Debian's chromium and chromium-driver are not installed", allow_module_level=True)
from selenium.common.exceptions import StaleElementReferenceException  # noqa: E402
from selenium.webdriver.chrome.service import Service  # noqa: E402
from selenium.webdriver.common.by import By  # noqa: E402
from selenium.webdriver.common.keys import Keys  # noqa: E402

import staffelrechner as s  # noqa: E402

WURZEL = pathlib.Path(__file__).parents[2]
ERKUNDER = ".staffelrechner-erkunden"


def warte(bedingung, sekunden=30):
    ende = time.monotonic() + sekunden
    while True:
        # The notebook replaces a widget's block as results arrive: one gone meanwhile is read anew.
        with contextlib.suppress(StaleElementReferenceException):
            if wert := bedingung():
                return wert
        assert time.monotonic() < ende, "waited in vain"
        time.sleep(0.1)


def ruhiges_bild(treiber):  # once the refinement has replaced the preview
    bild = lambda: warte(lambda: treiber.find_element(By.CSS_SELECTOR, f"{ERKUNDER} img").screenshot_as_png)
    vorher = bild()
    while (time.sleep(0.6), jetzt := bild())[1] != vorher:
        vorher = jetzt
    return jetzt


@pytest.fixture
def server(tmp_path):
    shutil.copy(WURZEL / "examples" / "erste_schritte.ipynb", tmp_path)
    with socket.socket() as frei:
        frei.bind(("127.0.0.1", 0))
        port = frei.getsockname()[1]
    token = secrets.token_hex(16)
    umgebung = {**os.environ, "HOME": str(tmp_path), "JUPYTER_CONFIG_DIR": str(tmp_path / "cfg"),
                "JUPYTER_DATA_DIR": str(tmp_path / "data"),
                "JUPYTER_RUNTIME_DIR": str(tmp_path / "run"), "MPLBACKEND": "Agg"}
    prozess = subprocess.Popen(
        [sys.executable, "-m", "notebook", "--no-browser", "--allow-root", "--ip=127.0.0.1",
         f"--port={port}", f"--NotebookApp.token={token}", f"--notebook-dir={tmp_path}"],
        env=umgebung, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        warte(lambda: socket.socket().connect_ex(("127.0.0.1", port)) == 0)
        yield f"http://127.0.0.1:{port}/notebooks/erste_schritte.ipynb?token={token}"
    finally:
        prozess.terminate()
        prozess.wait(10)


def test_erkunder_im_browser(server):
    optionen = webdriver.ChromeOptions()
    optionen.binary_location = "/usr/bin/chromium"
    [optionen.add_argument(a) for a in ("--headless=new", "--no-sandbox", "--window-size=1200,1400")]
    treiber = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=optionen)
    try:
        treiber.get(server)
        warte(lambda: treiber.execute_script(
            "return !!(window.Jupyter && Jupyter.notebook && Jupyter.notebook.kernel"
            " && Jupyter.notebook.kernel.is_connected())"))
        treiber.execute_script("Jupyter.notebook.execute_all_cells()")
        erkunder = warte(lambda: treiber.find_elements(By.CSS_SELECTOR, ERKUNDER), 60)[0]
        treiber.execute_script("arguments[0].scrollIntoView()", erkunder)
        vorher = ruhiges_bild(treiber)
        griff = erkunder.find_elements(By.CSS_SELECTOR, ".ui-slider-handle")[2]  # R, b, e
        griff.click()
        griff.send_keys(*[Keys.ARROW_RIGHT] * 10)
        block = lambda teil: erkunder.find_element(By.CSS_SELECTOR, f".staffelrechner-rechnung {teil}").text
        warte(lambda: block("code").endswith(", 2.1]"))
        assert ruhiges_bild(treiber) != vorher
        r, a, b, e = re.fullmatch(r"m\[(.*) , (.*)\]\[(.*) , (.*)\]", warte(lambda: block("code"))).groups()
        assert warte(lambda: block("b")) == s.rechne(r, a, b, e).anzeige.strip()
        if os.environ.get("STAFFEL_SCREENSHOTS") == "1":  # the README's picture
            erkunder.screenshot(str(WURZEL / "resources" / "screenshots" / "notebook-erkunden.png"))
    finally:
        treiber.quit()
