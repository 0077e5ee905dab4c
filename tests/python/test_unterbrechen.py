"""Ctrl+C: a SIGINT sent to the test process halts the running calculations."""

import os
import signal
import threading
import time

import numpy as np
import pytest

import staffelrechner as s

# Some seconds of recursion each; unhalted, the ten thousand values of werte would outlast the
# test's time limit.
LANG = ("6", "1", "1.2", "2147483647")


@pytest.mark.parametrize("rechnen", [
    lambda: s.rechne(*LANG, halt_nach=30),
    lambda: s.rechne(*LANG, halt_nach=0),
    lambda: s.werte("6", "1", 1.2, np.full(10_000, 2147483647.0), jobs=2, halt_nach=0),
], ids=["rechne", "rechne_ohne_zeitgrenze", "werte"])
def test_strg_c(rechnen):
    threading.Timer(0.3, os.kill, (os.getpid(), signal.SIGINT)).start()
    start = time.monotonic()
    with pytest.raises(KeyboardInterrupt):
        rechnen()
    # Halted, not merely raised once the calculation had ended by itself.
    assert time.monotonic() - start < 1.5
    # The threads are free again: the next calculation runs to its end.
    assert s.rechne("7", "00", "2", "3").ergebnis == 256
