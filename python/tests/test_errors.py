"""The errors a Python user expects, each with a message that says what to do."""
import math

import numpy as np
import pytest

import vexlor

SAMPLES = vexlor.test_signal("sinus", 3)  # 9 values: max_level 3


def at_level(level):
    a = vexlor.Analysis(SAMPLES)
    a.level = level
    return a

VALUE_ERRORS = [
    (lambda: vexlor.decompose(np.arange(100.0), 0.4, 3),
     r"samples must hold 2\^m \+ 1 values .* not 100: vexlor.test_signal\(name, m\) .* vexlor.resample\(values\)"),
    (lambda: vexlor.Analysis(np.arange(4.0)), r"samples must hold 2\^m \+ 1 values .* not 4"),
    (lambda: vexlor.decompose(SAMPLES, 1.5, 2), r"delta must lie in \[0, 1\] .* not 1.5"),
    (lambda: vexlor.Analysis(SAMPLES, math.nan), r"delta must lie in \[0, 1\] .* not nan"),
    (lambda: vexlor.wavelet(0.5, 1e-301, 2, 0), "delta must be 0 or at least 1e-300.* not 1e-301"),
    (lambda: vexlor.decompose(SAMPLES, 0.4, 4), r"level must lie between 2 and 3 .*, not 4"),
    (lambda: vexlor.decompose(SAMPLES, 0.4, 1), r"level must lie between 2 and 3"),
    (lambda: vexlor.decompose(np.where(np.arange(9) == 5, np.nan, SAMPLES), 0.4, 2),
     r"samples must be finite numbers, but samples\[5\] is nan"),
    (lambda: vexlor.Analysis(np.where(np.arange(9) == 0, -np.inf, SAMPLES)), r"samples\[0\] is -inf"),
    (lambda: vexlor.decompose(np.ones((3, 3)), 0.4, 2), "samples must be one-dimensional, not of 2 dimensions"),
    (lambda: vexlor.wavelet(0.5, 0.4, 12, 0), r"level must lie between 2 and 11 \(the levels that have details"),
    (lambda: vexlor.wavelet(0.5, 0.4, 2, 3), r"shift must lie between -1 and 2"),
    (lambda: vexlor.scaling_function(0.5, 0.4, level=13), "level must lie between 0 and 12"),
    (lambda: vexlor.test_signal("sine", 7), 'no test signal "sine"; the signals are sinus, stufe, knick'),
    (lambda: vexlor.test_signal("stufe", 13), "max_level must lie between 2 and 12"),
    (lambda: vexlor.resample([1.0, 2.0, 3.0]), "values must hold at least 4 numbers"),
    (lambda: vexlor.resample(np.arange(10.0), max_level=1), "max_level must lie between 2 and 12"),
    (lambda: vexlor.reconstruct([], 0.4), "coeffs must hold the smooth part and the details"),
    (lambda: vexlor.reconstruct([np.zeros(6)], 0.4), r"coeffs\[0\], the smooth part, must hold 2\^level \+ 1"),
    (lambda: vexlor.reconstruct([np.zeros(5), np.zeros(3)], 0.4),
     r"coeffs\[1\], the details of level 2, must hold 2\^2 = 4 values, not 3"),
    (lambda: vexlor.reconstruct([np.zeros(2049), np.zeros(2048), np.zeros(4096)], 0.4),
     "coeffs reach the finest level 13, but the finest level is at most 12"),
    (lambda: vexlor.Analysis.of_signal("sine", 7), 'no test signal "sine"'),
    (lambda: at_level(2).compress(101), r"percent must lie between 0 and 100 \(the share of details kept, in %\)"),
    (lambda: at_level(2).compress(20, by="groesse"), 'by must be "beitrag" or "betrag", not "groesse"'),
    (lambda: at_level(2).add_noise(1.5), r"sigma must lie in \[0, 1\] .* not 1.5"),
    (lambda: at_level(2).add_noise(math.nan), "sigma must lie in .* not nan"),
    (lambda: at_level(2).add_noise(0.1, seed=-1), "seed must lie between 0 and 4294967295, not -1"),
    (lambda: at_level(2).denoise("median"), 'rule must be "aus", "universell", "sure" or "manuell", not "median"'),
    (lambda: at_level(2).denoise("sure", kind="mittel"), 'kind must be "hart" or "weich"'),
    (lambda: at_level(2).denoise("universell", lam=0.1), 'lam is the threshold of rule="manuell" alone'),
    (lambda: at_level(2).denoise("manuell", lam=-0.5), "lam must be a finite number >= 0, not -0.5"),
    (lambda: at_level(3).denoise("sure"), r"at level == max_level \(3\) there are none: lower the level first"),
    (lambda: at_level(2).delta_sweep("rms"), 'measure must be "distance_rms", "distance_max" or "denoised_rms"'),
    (lambda: at_level(2).delta_sweep("denoised_rms"), r"compares with the clean samples: add_noise\(\) first"),
]


@pytest.mark.parametrize("call, message", VALUE_ERRORS)
def test_value_errors(call, message):
    with pytest.raises(ValueError, match=message):
        call()


def test_a_level_out_of_range_leaves_the_analysis_as_it_was():
    a = vexlor.Analysis(SAMPLES)
    a.level = 2
    with pytest.raises(ValueError, match="level must lie between 2 and 3"):
        a.level = 4
    assert a.level == 2


def test_a_refused_setting_leaves_the_analysis_as_it_was(tmp_path):
    a = at_level(2)
    a.compress(50, by="betrag")
    a.denoise("manuell", lam=0.2)
    before = a.numbers()
    for refused in (lambda: a.compress(-1), lambda: a.denoise("sure", kind="x"), lambda: a.add_noise(2.0),
                    lambda: a.denoise("manuell", lam=np.inf)):
        with pytest.raises(ValueError):
            refused()
    after = a.numbers()
    assert (a.keep_percent, a.keep_by, after.kept) == (50, "betrag", before.kept)
    assert np.array_equal(after.lambdas, [0.2]) and a.clean_samples is None

    # A file without samples has no numbers to show and no signal to sample anew.
    path = tmp_path / "ohne.mdt"
    path.write_bytes(b"3 2 " + b" ".join([b"0.5"] * 9) + b"\r\n")
    b = vexlor.read_mdt(path)
    assert np.isnan([b.numbers().max_error, b.numbers().distance_rms]).all()
    with pytest.raises(ValueError, match="the samples of this analysis are not known"):
        b.delta_sweep()
    with pytest.raises(ValueError, match="the samples cannot be taken anew"):
        b.add_noise(0.1)


@pytest.mark.parametrize("call", [
    lambda: at_level(2).compress("20"),
    lambda: at_level(2).denoise("manuell", lam="0.1"),
    lambda: at_level(2).add_noise("viel"),
    lambda: vexlor.Analysis.of_signal("stufe", 7.5),
])
def test_type_errors_of_the_settings(call):
    with pytest.raises(TypeError):
        call()


@pytest.mark.parametrize("values, kind", [
    (["a"] * 9, "text"),
    (np.ones(9, dtype=complex), "complex numbers"),
    ([None] * 9, "Python objects"),
    (np.array(["2024-01-01"] * 9, dtype="datetime64[D]"), "dates or times"),
])
def test_type_errors_for_what_is_not_numbers(values, kind):
    with pytest.raises(TypeError, match=f"samples must be real numbers .*, not {kind}"):
        vexlor.decompose(values, 0.4, 2)
    with pytest.raises(TypeError, match="x must be real numbers"):
        vexlor.Analysis(SAMPLES).smooth(values)


def test_numbers_of_other_types_are_taken():
    as_floats = vexlor.decompose(SAMPLES, 0.4, 2)
    for other in (list(SAMPLES), np.repeat(SAMPLES, 2)[::2], SAMPLES.astype(">f8")):
        assert all(np.array_equal(p, q) for p, q in zip(vexlor.decompose(other, 0.4, 2), as_floats))
    single = SAMPLES.astype(np.float32)
    assert np.array_equal(vexlor.decompose(single, 0.4, 2)[0], vexlor.decompose(single.astype(float), 0.4, 2)[0])
    assert vexlor.decompose(np.arange(9), 0.4, 2)[0].dtype == np.float64
