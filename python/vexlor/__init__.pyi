# Types of the package vexlor, for editors and type checkers.
from collections.abc import Sequence
from os import PathLike
from typing import Final, Literal, TypeAlias, overload

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
    loads, with a warning: the missing coefficients are 0. The compression the
    file records (its ";Behalten:" and ";Rang:" words) comes back as the
    analysis's keep_percent and keep_by, as on the program's load.
    """
def write_mdt(path: str | PathLike[str], analysis: Analysis) -> str:
    """Writes the analysis at its current level as a coefficient file (".mdt"),
    as the program's "Sichern" writes it: Windows-1252 text with CR LF line ends,
    six significant digits a coefficient (those of `coefficients`: the
    compression is a setting, not a loss) and each once more in all its digits,
    so that read_mdt gives them back exactly; the signal's name, the compression
    where it keeps less than 100 % or ranks by "betrag" (";Behalten:",
    ";Rang:"), the samples (where known; with noise added the noisy ones) and the
    Delta in all their digits. The file is never written in
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
    delta: in [0, 1]; 0 gives box functions (Haar), 1 hat functions. The samples
    are the signal, as the values of a file are in the program: noise is added
    to them, and the Delta comparison keeps them for every Delta. of_signal()
    makes the analysis of a test signal instead.

    Like the program, an analysis keeps its coefficients and draws a copy of
    them: compress() and denoise() set what that copy leaves of the details,
    and smooth(), details(), function(), error() and numbers() show it, while
    `coefficients` and the energies stay those of the decomposition. A level
    change brings the copy up to date with the settings kept.

    Threads may share an object: each call takes its lock, and every computation
    runs with the GIL let go.
    """
    def __init__(self, samples: ArrayLike, delta: float = 0.4) -> None: ...
    @staticmethod
    def of_signal(name: str, max_level: int, delta: float = 0.4) -> Analysis:
        """The analysis of the program's test signal `name` after choosing it at the
        finest level max_level and pressing "Go!" with delta: its samples are
        test_signal(name, max_level, delta). Noise is added to the signal, and the
        Delta comparison samples it anew at every Delta, as the program does.

        name: one of SIGNALS. max_level: 2 .. 12. delta: in [0, 1].
        """
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
        Compression and denoising leave them alone: see shown_coefficients.
        """
    @property
    def shown_coefficients(self) -> list[_Array]:
        """The coefficients the windows draw, laid out as `coefficients`: the details
        thresholded by denoise() and those compress() does not keep set to 0; the
        smooth part as it is. The same as `coefficients` at 100 % without
        denoising. A copy.
        """
    @property
    def samples(self) -> _Array | None:
        """The samples the analysis started from, the reference of error(), as a copy;
        None when they are not known (read from a file that keeps none and names no
        test signal). After add_noise() they are the noisy samples.
        """
    @property
    def clean_samples(self) -> _Array | None:
        """After add_noise(): the samples without their noise, the reference of
        the signal-to-noise ratios; else None. A copy.
        """
    @property
    def signal(self) -> str:
        """The signal's name that write_mdt() records: a test signal's name after
        read_mdt() of a file naming one, else "Datei" (the user's samples).
        """
    @property
    def keep_percent(self) -> int:
        """The share of details kept in %, as compress() set it (100: all)."""
    @property
    def keep_by(self) -> Literal["beitrag", "betrag"]:
        """How compress() ranks the details: "beitrag" or "betrag"."""
    def compress(self, percent: int, by: Literal["beitrag", "betrag"] = "beitrag") -> None:
        """Keeps `percent` % of the details in the shown copy, as "Behaltene Details"
        does: round(percent / 100 * N) of the N details of the levels level ..
        max_level - 1, those ranked highest; the others become 0 in
        shown_coefficients, and the curves and numbers show the result. The
        coefficients stay: compress(100) shows them all again, and a level change
        keeps the setting.

        by: "beitrag" ranks by the contribution |d| * ||psi||_2 (the wavelet's L2
        norm over [0, 1]; at Delta 0 what thresholding orthonormal Haar
        coefficients keeps), "betrag" by |d| alone. Of equal rank the lower
        position stays. With denoise() the kept ones are taken from what the
        thresholds leave.

        percent: 0 .. 100 (ValueError otherwise).
        """
    def add_noise(self, sigma: float, seed: int = 20261208) -> None:
        """Adds Gaussian noise to the signal, as "Rauschen hinzufügen" does: the
        signal is sampled anew at max_level, noise of standard deviation sigma
        times the largest magnitude among the clean samples is added (Box-Muller
        on the Mersenne Twister: a seed gives the same noise on every machine),
        and the noisy samples are decomposed down to the current level again.
        The clean samples stay as clean_samples, the reference of the numbers'
        SNRs. Calling it again replaces the noise; sigma 0 adds none but keeps
        the clean reference.

        sigma: in [0, 1]. seed: 0 .. 2^32 - 1; the default is the one of the test
        signal "sinus-rauschen".
        """
    def denoise(
        self,
        rule: Literal["universell", "sure", "manuell", "aus"],
        kind: Literal["hart", "weich"] = "hart",
        lam: float | None = None,
    ) -> None:
        """Thresholds the details in the shown copy, as "Entrauschen" does; the
        coefficients stay, and a level change keeps the setting.

        The thresholds act on each detail's contribution on the scale of the
        samples, w = d * ||psi||_2 * 2^(max_level / 2) (at Delta 0 the orthonormal
        Haar detail coefficients), of the levels level .. max_level - 1; the
        smooth part stays. sigma-hat = median(|w|) / 0.6745 over the finest
        details.

        rule: "universell" (lambda = sigma-hat * sqrt(2 ln 2^max_level) on every
        level), "sure" (SureShrink level by level, the universal threshold where
        a level is sparse), "manuell" (lam on every level; without lam the
        universal threshold), "aus" (none). kind: "hart" keeps a detail with
        |w| > lambda as it is, "weich" shrinks it by lambda. lam: >= 0, with
        "manuell" only.

        ValueError at level == max_level (no details) and for a signal of fewer
        than 8 samples, as the program refuses them.
        """
    def numbers(self) -> Numbers:
        """The numbers of the tools window ("Kennzahlen" and "Entrauschen") for the
        analysis as it is shown: with its compression and denoising.
        """
    def delta_sweep(
        self, measure: Literal["distance_rms", "distance_max", "denoised_rms"] = "distance_rms"
    ) -> DeltaSweep:
        """The Delta comparison ("Delta-Vergleich"): for Delta = 0, 0.01, ..., 1 the
        numbers the program shows after taking that Delta: "Go!" with it, the
        signal sampled anew at max_level (a test signal at that Delta's sample
        points; samples given as values stay as they are; noise the same for
        every Delta), decomposed down to the current level, denoised and
        compressed as set. Each row is computed as the program computes it, so
        that an analysis made so reproduces its numbers exactly.

        measure: what best_delta ranks by: the RMS or the largest distance to
        the samples, or with noise added the RMS distance of the denoised
        function from the clean samples ("denoised_rms", ValueError without
        noise). ValueError when the samples are not known. The analysis itself
        does not change; the GIL is let go meanwhile.
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
        summed (the window "Die Details der Funktion"), of shown_coefficients. x as
        for smooth().
        """
    @overload
    def details(self, x: ArrayLike) -> _Array: ...
    @overload
    def function(self, x: float) -> float:
        """smooth(x) + details(x): the approximated function (the window "Die
        approximierte Funktion"), with the compression and denoising set. x as for
        smooth().
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

class Numbers:
    """The numbers of an analysis, as the tools window shows them (Analysis.numbers()).
    A number that cannot be computed is NaN (the window's "—"): the errors
    without known samples, the SNRs without noise, sigma_hat without details.
    """
    @property
    def max_error(self) -> float:
        """The largest magnitude of error() over [0, 1] ("Max. Fehler"), exact for
        the piecewise linear curve: taken at the ends of its pieces, never at a
        knot itself.
        """
    @property
    def rms_error(self) -> float:
        """The L2 norm of error() over [0, 1] ("RMS-Fehler"), integrated exactly piece
        by piece.
        """
    @property
    def distance_max(self) -> float:
        """The largest distance of function() from the samples at the sample points
        in [0, 1] ("Abstand zu den Abtastwerten", max.): what a user of a discrete
        transform measures.
        """
    @property
    def distance_rms(self) -> float:
        """The root mean square of the same distances ("Abstand", RMS)."""
    @property
    def energies(self) -> _Array:
        """The exact L2 energy over [0, 1] of the smooth part, then of the detail
        function of each level level .. max_level - 1, of the coefficients before
        compression and denoising.
        """
    @property
    def energy_shares(self) -> _Array:
        """Each energy's share in % of their sum. The parts are orthogonal only at
        Delta 0 (where these are the Haar coefficients' shares), so the sum is not
        the function's energy in between.
        """
    @property
    def kept(self) -> int:
        """How many details the shown copy keeps after compression (compress())."""
    @property
    def detail_count(self) -> int:
        """How many details there are: 2^max_level - 2^level."""
    @property
    def sigma_hat(self) -> float:
        """The noise level estimated from the finest details, median(|w|) / 0.6745,
        whatever the rule chosen.
        """
    @property
    def lambdas(self) -> _Array:
        """The threshold of each level level .. max_level - 1 while denoise() is in
        effect (one value for all with "universell" and "manuell"); empty otherwise.
        """
    @property
    def denoised_kept(self) -> int:
        """How many details the thresholds leave (all without denoising)."""
    @property
    def snr_noisy(self) -> float:
        """With noise added: the noisy samples' signal-to-noise ratio in dB against
        the clean ones, 10 log10(sum clean^2 / sum (noisy - clean)^2), at the
        sample points in [0, 1].
        """
    @property
    def snr_denoised(self) -> float:
        """The same for function() (denoised and compressed) at those points."""
    @property
    def rms_noisy(self) -> float:
        """The noisy samples' RMS distance from the clean ones."""
    @property
    def rms_denoised(self) -> float:
        """function()'s RMS distance from the clean samples."""

class DeltaSweep:
    """The Delta comparison of an analysis (Analysis.delta_sweep()): each array has
    the 101 values of Delta = 0, 0.01, ..., 1, read-only.
    """
    @property
    def deltas(self) -> _Array:
        """0, 0.01, ..., 1, as the program's scroll bar makes them (i / 100)."""
    @property
    def max_error(self) -> _Array:
        """Numbers.max_error of each Delta."""
    @property
    def rms_error(self) -> _Array:
        """Numbers.rms_error of each Delta."""
    @property
    def distance_max(self) -> _Array:
        """Numbers.distance_max of each Delta."""
    @property
    def distance_rms(self) -> _Array:
        """Numbers.distance_rms of each Delta."""
    @property
    def denoised_rms(self) -> _Array:
        """With noise added, Numbers.rms_denoised of each Delta; NaN otherwise."""
    @property
    def measure(self) -> str:
        """The measure chosen: "distance_rms", "distance_max" or "denoised_rms"."""
    @property
    def values(self) -> _Array:
        """The array of the measure chosen."""
    @property
    def best_delta(self) -> float | None:
        """The lowest Delta whose measure is the least, within 1e-12 of the largest
        measure (so that Deltas that all rebuild the samples to rounding tie);
        None when no value is a number.
        """
    @property
    def ties(self) -> int:
        """How many Deltas tie for the least; 101: the choice makes no difference."""
