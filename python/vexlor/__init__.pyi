# Types of the package vexlor, for editors and type checkers.
from collections.abc import Sequence
from os import PathLike
from typing import Final, TypeAlias, overload

import numpy as np
from numpy.typing import ArrayLike, NDArray

_Array: TypeAlias = NDArray[np.float64]

SIGNALS: Final[tuple[str, ...]]
"""The names of the program's test signals, as test_signal() takes them."""

@overload
def scaling_function(x: float, delta: float, level: int = 0, shift: int = 0) -> float:
    """The BLaC scaling function phi(2^level x - shift) of this Delta at x: the
    trapezoid that rises on (0, Delta), is 1 on [Delta, 1] and falls on
    (1, 1 + Delta), dilated to level and shifted (the window
    "Skalierungsfunktion" shows it at shift 0).

    x: a number, or an array of any shape; the result is a float, or an array
    of that shape. delta: in [0, 1]. level: 0 .. 12. shift: any integer; level j
    has the shifts -1 .. 2^j - 1.
    """
@overload
def scaling_function(x: ArrayLike, delta: float, level: int = 0, shift: int = 0) -> _Array: ...
@overload
def wavelet(x: float, delta: float, level: int, shift: int) -> float:
    """The BLaC wavelet of this Delta, of level and shift, at x: a combination of
    the scaling functions of level + 1 that is orthogonal to those of level.
    Shift -1 is the left boundary wavelet, 2^level - 2 the right one, the shifts
    between are interior wavelets, supported on (shift, shift + 3) / 2^level.
    The details of level j (decompose()) are the coefficients of these wavelets,
    in the order of their shifts.

    x: a number, or an array of any shape; the result is a float, or an array
    of that shape. delta: in [0, 1]. level: 2 .. 11.
    """
@overload
def wavelet(x: ArrayLike, delta: float, level: int, shift: int) -> _Array: ...
def test_signal(name: str, max_level: int, delta: float = 0.4) -> _Array:
    """The program's test signal `name` at the finest level max_level: 2^max_level
    + 1 samples at the centres of the scaling functions, x_i = (i + s) / 2^max_level
    for i = -1 .. 2^max_level - 1 with s = (1 + delta) / 2 held in single
    precision, as the program samples. A test signal takes outside [0, 1] its
    value at the nearer end.

    name: one of SIGNALS: "sinus" (the program's sin(6.28 x)), "stufe",
    "knick", "rechteck", "chirp", "blocks", "bumps", "heavisine", "doppler"
    (the last four scaled to a largest magnitude of 1), "sinus-rauschen" (the
    sine with the same Gaussian noise of sigma 0.1 every time).
    max_level: 2 .. 12. delta: in [0, 1].
    """
def resample(values: ArrayLike, max_level: int | None = None) -> _Array:
    """The values as samples at 2^m + 1 points, as the program takes the values of
    a signal file ("Datei..."): 2^m values (m <= 12) keep their places, the last
    taken once more; the values are then resampled linearly over their index
    range. Without max_level, m is the level such a file gets: 2^m and 2^m + 1
    values stay as they are, any other count goes to the next 2^m + 1, and
    beyond 4097 values to 4097.

    values: at least 4 finite numbers. max_level: 2 .. 12.
    """
def decompose(samples: ArrayLike, delta: float, level: int) -> list[_Array]:
    """The BLaC decomposition of the samples with this Delta down to `level`:
    [smooth, details of level, details of level + 1, ..., details of
    max_level - 1], coarsest first as in PyWavelets; the smooth part has
    2^level + 1 values and the details of level j have 2^j. These are the
    program's coefficients bit for bit, as Analysis(samples, delta) with its
    level set gives them.

    Here, as everywhere in vexlor, `level` is the level the result is at
    (2^level intervals on [0, 1], the program's track bar), not a number of
    steps: 2^m + 1 samples are at max_level = m, and the steps are
    max_level - level.

    samples: 2^m + 1 finite numbers, m = 2 .. 12 (resample() makes such a
    count). delta: in [0, 1]. level: 2 .. max_level. The arrays are views of one
    new array, the program's coefficient array.
    """
def reconstruct(coeffs: Sequence[ArrayLike], delta: float) -> _Array:
    """The coefficients of decompose() (or Analysis.coefficients) rebuilt to the
    finest level: the smooth part and the details of each level refined to the
    level above (P c + Q d), as the program's track bar steps up. The result has
    2^max_level + 1 values. Only at Delta 0 is it the samples that were
    decomposed (to rounding): the spaces of neighbouring levels are not nested,
    and near the ends of [0, 1] a signal far from 0 comes back far from its
    samples (a constant 130, decomposed at Delta 0.5 to level 3 from level 10,
    comes back 58 off at the left end).

    coeffs: [smooth (2^level + 1 values), details of level (2^level values), ...,
    details of max_level - 1], level >= 2, max_level <= 12, finite numbers.
    delta: in [0, 1], the Delta they were decomposed with.
    """
def read_mdt(path: str | PathLike[str], samples: ArrayLike | None = None) -> Analysis:
    """The analysis a coefficient file (".mdt") holds, read as the program reads
    it: its finest level, level and coefficients, and its Delta (0.4, the
    program's start value, when the file records none). The level matrices are
    computed for that Delta, so that the curves are the program's after the load.

    The samples: `samples` when given (2^max_level + 1 values), else those the
    file keeps in full (its ";Ref:" words, which write_mdt() and the program
    write), else the test signal the file names, sampled at its finest level
    and Delta as the program samples it on a load; without any of them they are
    not known, and error() and original() refuse.

    FileNotFoundError or OSError when the file cannot be read, MemoryError when
    it does not fit; ValueError with the program's reason when it refuses the
    file (a word that is no number, a level out of range, more than 4097 values,
    larger than 1 MiB). A file with fewer or more values than 2^max_level + 1
    loads, with a warning: the missing coefficients are 0.
    """
def write_mdt(path: str | PathLike[str], analysis: Analysis) -> str:
    """Writes the analysis at its current level as a coefficient file (".mdt"),
    as the program's "Sichern" writes it: Windows-1252 text with CR LF line ends,
    six significant digits a coefficient and each once more in all its digits,
    the signal's name, the samples (where known) and the Delta in all their
    digits: read_mdt gives the coefficients back exactly. The file is never written in
    place: a failed write leaves an old file whole. ".mdt" is appended unless the
    name ends in it, as the program does. Returns the path written. OSError, with
    the program's reason, when it cannot be written.
    """

class Analysis:
    """One analysis of the program: samples decomposed with the BLaC wavelets of
    one Delta, at a level that moves as the program's track bar moves it.

    Analysis(samples, delta) is the program's state after choosing these samples
    and pressing "Go!" with delta: 2^m + 1 samples make the finest level
    max_level = m, the level starts there, and the level matrices are those of
    delta. Setting `level` steps one level at a time, as the track bar does:
    down by least squares, up by the refinement; so the coefficients and curves
    are bit for bit those the program shows. Down and up again does not give
    the samples back exactly: the spaces of neighbouring levels are not nested.

    samples: 2^m + 1 finite numbers, m = 2 .. 12 (resample() makes such a count).
    delta: in [0, 1]; 0 gives box functions (Haar), 1 hat functions.

    Threads may share an object: each call takes its lock, and every computation
    runs with the GIL let go.
    """
    def __init__(self, samples: ArrayLike, delta: float = 0.4) -> None: ...
    @property
    def level(self) -> int:
        """The level of the smooth part, 2 .. max_level. Setting it steps there one
        level at a time, as the program's track bar does.
        """
    @level.setter
    def level(self, level: int) -> None: ...
    @property
    def max_level(self) -> int:
        """The finest level: the samples' (2^max_level + 1 values)."""
    @property
    def delta(self) -> float:
        """The Delta of the analysis, in [0, 1]."""
    @property
    def coefficients(self) -> list[_Array]:
        """The coefficients at the current level, coarsest first: [smooth part
        (2^level + 1 values), details of level (2^level values), details of
        level + 1, ..., details of max_level - 1]. A copy, which later level changes
        leave alone; numpy.concatenate() of it is the program's coefficient array,
        as its ".mdt" files and the snapshot tool's --koeff-csv hold it.
        """
    @property
    def samples(self) -> _Array | None:
        """The samples the analysis started from, the reference of error(), as a copy;
        None when they are not known (read from a file that keeps none and names no
        test signal).
        """
    @property
    def signal(self) -> str:
        """The signal's name that write_mdt() records: a test signal's name after
        read_mdt() of a file naming one, else "Datei" (the user's samples).
        """
    @overload
    def smooth(self, x: float) -> float:
        """The smooth part at x: the smooth coefficients in the scaling functions of
        `level` (the window "Die Glätteanteile der Funktion").

        x: a number, or an array of any shape; the result is a float, or an array of
        that shape. The curves are meant for 0 <= x <= 1; outside, they are what the
        program's windows draw there (left of -2^-level the smooth part is -1).
        """
    @overload
    def smooth(self, x: ArrayLike) -> _Array: ...
    @overload
    def details(self, x: float) -> float:
        """The details at x: the detail parts of the levels level .. max_level - 1,
        summed (the window "Die Details der Funktion"). x as for smooth().
        """
    @overload
    def details(self, x: ArrayLike) -> _Array: ...
    @overload
    def function(self, x: float) -> float:
        """smooth(x) + details(x): the approximated function (the window "Die
        approximierte Funktion"). x as for smooth().
        """
    @overload
    def function(self, x: ArrayLike) -> _Array: ...
    @overload
    def error(self, x: float) -> float:
        """function(x) - original(x): the error against the samples (the window
        "Fehler zwischen Funktion und Approximation"). x as for smooth(); ValueError
        when the samples are not known.
        """
    @overload
    def error(self, x: ArrayLike) -> _Array: ...
    @overload
    def original(self, x: float) -> float:
        """The samples as a function: their expansion in the scaling functions of
        max_level, what error() compares with. x as for smooth(); ValueError when
        the samples are not known.
        """
    @overload
    def original(self, x: ArrayLike) -> _Array: ...
