"""Sweeps on Dask: a local cluster of two worker processes gives what werte gives here."""

import functools

import dask.array as da
import dask.bag as db
import numpy as np
from dask.distributed import Client, LocalCluster

import staffelrechner as s


def test_lokaler_cluster():
    basis = da.linspace(0.5, 3, 300, chunks=100)[:, None]
    exponent = da.linspace(-2, 4, 300, chunks=100)[None, :]
    gitter = da.map_blocks(functools.partial(s.werte, "8/3", "000", jobs=1), basis, exponent,
                           dtype=np.float64)
    zeilen = db.from_sequence(["2", "3", "x"], npartitions=2)
    with LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                      dashboard_address=None) as cluster, Client(cluster):
        im_cluster = gitter.compute()
        rechnungen = zeilen.map(lambda b: s.rechne("7", "00", b, "3")).compute()
    np.testing.assert_array_equal(im_cluster, s.werte("8/3", "000", basis.compute(), exponent.compute()))
    assert rechnungen == [s.rechne("7", "00", b, "3") for b in ["2", "3", "x"]]
