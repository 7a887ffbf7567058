"""BLaC wavelets: the multiscale analysis of the program Vexlor, for Python.

BLaC scaling functions blend the box function (Delta = 0) and the hat
function (Delta = 1). vexlor computes with the program's own core: the
coefficients, curves and ".mdt" files are bit for bit the program's.

Levels: level j has 2^j intervals on [0, 1], 2^j + 1 scaling functions and
2^j wavelets. 2^m + 1 samples are at the finest level max_level = m
(2 <= m <= 12). Wherever vexlor takes or gives a `level`, it is a level in
this sense, the level of the smooth part, as on the program's track bar
(2 <= level <= max_level), never a number of steps: PyWavelets' level=k is
vexlor's level = max_level - k.

Coefficients are lists coarsest first, as in PyWavelets:
[smooth (2^level + 1 values), details of level (2^level values), ...,
details of max_level - 1]. All arrays are float64.

    decompose, reconstruct     the decomposition and its inverse
    Analysis                   the program's state: a level to move, curves,
                               compression, noise and denoising
    Numbers, DeltaSweep        its numbers ("Kennzahlen") and the Delta comparison
    scaling_function, wavelet  the basis functions
    test_signal, resample      the program's signals, samples of a usable count
    read_mdt, write_mdt        the program's coefficient files
"""

from ._vexlor import (
    SIGNALS,
    Analysis,
    DeltaSweep,
    Numbers,
    decompose,
    read_mdt,
    reconstruct,
    resample,
    scaling_function,
    test_signal,
    wavelet,
    write_mdt,
)

__all__ = [
    "SIGNALS",
    "Analysis",
    "DeltaSweep",
    "Numbers",
    "decompose",
    "read_mdt",
    "reconstruct",
    "resample",
    "scaling_function",
    "test_signal",
    "wavelet",
    "write_mdt",
]
