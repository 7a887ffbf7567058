"""Compression, noise, denoising and the Delta comparison: the numbers the
program shows, bit for bit."""
import numpy as np
import pytest

import vexlor
from conftest import assert_same_doubles


def assert_numbers_as_shown(n, state):
    """The numbers against the program's state lines (printed in 17 digits)."""
    for word, value in [("MaxError", n.max_error), ("RmsError", n.rms_error),
                        ("DistanceMax", n.distance_max), ("DistanceRms", n.distance_rms)]:
        assert_same_doubles(value, float(state[word][0]))
    assert_same_doubles(n.energies, [float(v) for v in state["Energies"]])
    assert_same_doubles(n.energy_shares, [float(v) for v in state["EnergyShares"]])
    assert state["KeptDetails"][:3] == [str(n.kept), "of", str(n.detail_count)]


def test_20_percent_kept_shows_the_programs_copy_and_numbers(program):
    # "Go!" with Delta 0.3 keeps the samples taken with the start-up Delta 0.4.
    shown = program("--signal", "bumps", "--max-level", "9", "--scroll", "30", "--go", "--level", "4",
                    "--keep", "20")
    a = vexlor.Analysis(vexlor.test_signal("bumps", 9, delta=0.4), 0.3)
    a.level = 4
    a.compress(20)
    assert (a.keep_percent, a.keep_by) == (20, "beitrag")
    assert_same_doubles(np.concatenate(a.coefficients), shown.koeff)
    assert_same_doubles(np.concatenate(a.shown_coefficients), shown.shown)
    assert_numbers_as_shown(a.numbers(), shown.state)
    # The curves are the shown copy's; all details back, they are the analysis's again.
    x = np.linspace(0, 1, 33)
    compressed = a.function(x)
    a.compress(100)
    assert not np.array_equal(compressed, a.function(x))
    assert_same_doubles(np.concatenate(a.shown_coefficients), shown.koeff)


@pytest.mark.parametrize("actions, denoise, compress", [
    (["--denoise", "sure", "--threshold", "weich", "--keep", "50", "--keep-by", "betrag"],
     ("sure", "weich", None), (50, "betrag")),
    (["--denoise", "manuell:0.05"], ("manuell", "hart", 0.05), (100, "beitrag")),
    (["--denoise", "universell", "--threshold", "weich", "--level", "3"], ("universell", "weich", None), None),
])
def test_noise_and_denoising_as_the_program_shows_them(program, actions, denoise, compress):
    shown = program("--signal", "doppler", "--max-level", "8", "--level", "4", "--noise", "0.1",
                    "--noise-seed", "7", *actions)
    a = vexlor.Analysis.of_signal("doppler", 8)
    a.level = 4
    a.add_noise(0.1, seed=7)
    rule, kind, lam = denoise
    a.denoise(rule, kind, lam=lam)
    if compress:
        a.compress(*compress)
    else:
        a.level = 3  # the setting stays with a level change
    assert_same_doubles(np.concatenate(a.coefficients), shown.koeff)
    assert_same_doubles(np.concatenate(a.shown_coefficients), shown.shown)
    n = a.numbers()
    assert_numbers_as_shown(n, shown.state)
    assert_same_doubles(n.sigma_hat, float(shown.state["Sigma"][0]))
    assert_same_doubles(n.lambdas, [float(v) for v in shown.state["Lambda"]])
    assert shown.state["DenoisedKept"][:3] == [str(n.denoised_kept), "of", str(n.detail_count)]
    for word, value in [("SnrNoisy", n.snr_noisy), ("SnrDenoised", n.snr_denoised),
                        ("RmsNoisy", n.rms_noisy), ("RmsDenoised", n.rms_denoised)]:
        assert_same_doubles(value, float(shown.state[word][0]))
    assert_same_doubles(a.clean_samples, vexlor.test_signal("doppler", 8))
    # Denoising off: the copy is the analysis again, the noise stays.
    a.denoise("aus")
    assert a.numbers().lambdas.size == 0 and a.numbers().snr_noisy == n.snr_noisy


def test_the_delta_comparison_of_a_file_signal(program, tmp_path):
    samples = vexlor.resample(130 + np.cumsum(np.sin(np.arange(200) * 0.37)), max_level=6)
    signal = tmp_path / "werte.txt"
    signal.write_text("".join(f"{v!r}\n" for v in samples))
    shown = program("--signal", str(signal), "--level", "3", "--keep", "30", sweep=True)
    a = vexlor.Analysis(samples)
    a.level = 3
    a.compress(30)
    sweep = a.delta_sweep()
    assert_same_doubles(sweep.deltas, np.arange(101) / 100)
    for column in ("max_error", "rms_error", "distance_max", "distance_rms"):
        assert_same_doubles(getattr(sweep, column), shown.sweep[column])
    assert sweep.values is not None and np.array_equal(sweep.values, sweep.distance_rms)
    assert sweep.best_delta == float(shown.state["BestDelta"][0])
    assert np.isnan(sweep.denoised_rms).all() and not sweep.values.flags.writeable


def test_the_delta_that_denoises_best(program):
    shown = program("--signal", "blocks", "--max-level", "7", "--level", "4", "--noise", "0.1",
                    "--denoise", "universell", sweep=True)
    a = vexlor.Analysis.of_signal("blocks", 7)
    a.level = 4
    a.add_noise(0.1)
    a.denoise("universell")
    before = a.numbers()
    sweep = a.delta_sweep(measure="denoised_rms")
    for column in ("max_error", "rms_error", "distance_max", "distance_rms", "denoised_rms"):
        assert_same_doubles(getattr(sweep, column), shown.sweep[column])
    assert sweep.best_delta == float(shown.state["BestDeltaDenoised"][0])
    # Each row is the program after taking its Delta: an analysis made so agrees.
    best = vexlor.Analysis.of_signal("blocks", 7, delta=sweep.best_delta)
    best.level = 4
    best.add_noise(0.1)
    best.denoise("universell")
    assert best.numbers().rms_denoised == sweep.denoised_rms[round(sweep.best_delta * 100)]
    assert a.numbers().rms_denoised == before.rms_denoised


def test_the_compression_goes_into_the_file_and_comes_back(program, tmp_path):
    a = vexlor.Analysis(vexlor.test_signal("chirp", 6), 0.2)
    a.level = 3
    a.compress(30, by="betrag")
    text = open(vexlor.write_mdt(tmp_path / "kompr", a), "rb").read()
    assert b"\r\n;Behalten:30\r\n;Rang:betrag\r\n" in text
    b = vexlor.read_mdt(tmp_path / "kompr.mdt")
    assert (b.keep_percent, b.keep_by) == (30, "betrag")
    a.compress(100)
    assert b";Behalten" not in open(vexlor.write_mdt(tmp_path / "alle", a), "rb").read()

    # A file of the program's keeps its compression in Python too.
    program("--signal", "knick", "--level", "4", "--keep", "25", "--save", str(tmp_path / "programm.mdt"))
    c = vexlor.read_mdt(tmp_path / "programm.mdt")
    assert (c.signal, c.level, c.keep_percent) == ("Knick", 4, 25)
    assert c.numbers().kept == round(0.25 * c.numbers().detail_count)
