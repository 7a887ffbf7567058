"""The module computes what the program shows: its coefficients bit for bit."""
import numpy as np

import vexlor
from conftest import assert_same_doubles


def test_sine_at_delta_0_3_down_to_2_and_up_to_4(koeff_csv):
    # The program samples its sine at start-up with Delta 0.4; "Go!" with 0.3
    # keeps those samples and takes the level matrices of 0.3.
    program = koeff_csv("--scroll", "30", "--go", "--level", "2", "--level", "4")
    a = vexlor.Analysis(vexlor.test_signal("sinus", 7, delta=0.4), 0.3)
    a.level = 2
    a.level = 4
    assert_same_doubles(np.concatenate(a.coefficients), program)
    # decompose() goes straight down: the same as the track bar from 7 to 4.
    direct = koeff_csv("--scroll", "30", "--go", "--level", "4")
    assert_same_doubles(np.concatenate(vexlor.decompose(a.samples, 0.3, 4)), direct)


def test_a_file_signal_with_a_time_column_and_an_offset(koeff_csv, tmp_path):
    # 256 values of a pulse around 130 with a header and a time column: the
    # program resamples them to 257 (finest level 8).
    t = np.arange(256) / 250.0
    pulse = 130 + 15 * np.exp(-((t % 0.8) - 0.2) ** 2 / 5e-4) + 2 * np.sin(2 * np.pi * 0.3 * t)
    signal = tmp_path / "puls.csv"
    signal.write_text("zeit,wert\n" + "".join(f"{ti:.3f},{vi:.4f}\n" for ti, vi in zip(t, pulse)))
    program = koeff_csv("--signal", str(signal), "--level", "5")

    values = np.loadtxt(signal, delimiter=",", skiprows=1, usecols=1)
    samples = vexlor.resample(values)
    assert len(samples) == 257
    a = vexlor.Analysis(samples)
    a.level = 5
    assert_same_doubles(np.concatenate(a.coefficients), program)


def test_at_delta_0_the_coefficients_are_scaled_orthonormal_haar():
    def haar(x, steps):  # orthonormal: (even + odd) / sqrt 2 and (even - odd) / sqrt 2
        details = []
        for _ in range(steps):
            even, odd = x[0::2], x[1::2]
            details.insert(0, (even - odd) / np.sqrt(2))
            x = (even + odd) / np.sqrt(2)
        return [x, *details]

    max_level, level = 8, 3
    samples = vexlor.test_signal("blocks", max_level, delta=0.0)
    ours = vexlor.decompose(samples, 0.0, level)
    # Position 0 is the box left of 0 (shift -1), which no step changes; the
    # 2^8 samples on [0, 1] go through Haar, and level j keeps the factor
    # 2^(-(max_level - j) / 2) of the unnormalised boxes.
    assert ours[0][0] == samples[0]
    reference = haar(samples[1:], max_level - level)
    np.testing.assert_allclose(ours[0][1:] * 2 ** ((max_level - level) / 2), reference[0], rtol=0, atol=1e-13)
    for j, (d, r) in enumerate(zip(ours[1:], reference[1:]), start=level):
        np.testing.assert_allclose(d * 2 ** ((max_level - j) / 2), r, rtol=0, atol=1e-13)


def test_reconstruct_steps_up_as_the_track_bar():
    samples = vexlor.test_signal("heavisine", 6, delta=0.57)
    for level in (2, 4, 6):
        a = vexlor.Analysis(samples, 0.57)
        a.level = level
        rebuilt = vexlor.reconstruct(a.coefficients, 0.57)
        a.level = 6
        assert_same_doubles(rebuilt, a.coefficients[0])


def test_decompose_gives_views_of_one_new_array_and_coefficients_a_copy():
    samples = vexlor.test_signal("knick", 5)
    parts = vexlor.decompose(samples, 0.4, 2)
    assert [len(p) for p in parts] == [5, 4, 8, 16]
    assert all(p.base is parts[0].base for p in parts) and parts[0].base is not samples

    a = vexlor.Analysis(samples)
    before = a.coefficients
    a.level = 2
    assert_same_doubles(before[0], samples)
    assert_same_doubles(np.concatenate(a.coefficients), np.concatenate(parts))


def test_evaluation_keeps_the_shape_and_gives_floats_for_numbers():
    a = vexlor.Analysis(vexlor.test_signal("sinus", 7))
    a.level = 3
    x = np.linspace(0, 1, 12).reshape(3, 4)
    assert a.function(x).shape == (3, 4)
    assert isinstance(a.smooth(0.25), float) and isinstance(a.details(np.float32(0.25)), float)
    assert a.function(0.3) == a.smooth(0.3) + a.details(0.3)
    assert a.error(0.3) == a.function(0.3) - a.original(0.3)
    assert vexlor.scaling_function([0.2, 0.5, 1.3], 0.4).tolist() == [0.5, 1.0, (1 - 1.3) / 0.4 + 1]
