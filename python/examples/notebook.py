"""BLaC wavelets in a notebook: a tour of vexlor, cell by cell.

Run it whole, or cell by cell ("# %%") in Jupyter, VS Code or Spyder:

    /usr/bin/python3 python/examples/notebook.py [FOLDER]

It needs matplotlib (Debian's python3-matplotlib) and writes its figures as
PNG files into FOLDER (default: vexlor-notebook).
"""

# %% The basis: scaling functions and wavelets between box and hat
import sys
from pathlib import Path

import matplotlib

if "ipykernel" not in sys.modules:
    matplotlib.use("Agg")  # a script writes files; a notebook shows the figures
import matplotlib.pyplot as plt
import numpy as np

import vexlor

folder = Path(sys.argv[1] if len(sys.argv) > 1 and "ipykernel" not in sys.modules else "vexlor-notebook")
folder.mkdir(exist_ok=True)

x = np.linspace(-0.1, 2.2, 1151)
fig, (phi, psi) = plt.subplots(1, 2, figsize=(10, 3.5))
for delta in (0.0, 0.4, 1.0):
    phi.plot(x, vexlor.scaling_function(x, delta), label=f"Delta {delta:g}")
    # The interior wavelet of level 2 (shift 0), built from scaling functions of level 3.
    psi.plot(x / 2, vexlor.wavelet(x / 2, delta, level=2, shift=0), label=f"Delta {delta:g}")
phi.set_title("Skalierungsfunktion")
psi.set_title("Wavelet, level 2")
phi.legend()
fig.tight_layout()
fig.savefig(folder / "basis.png")

# %% A test signal decomposed: the smooth part and the details
samples = vexlor.test_signal("heavisine", max_level=8)  # 2^8 + 1 samples
a = vexlor.Analysis(samples, delta=0.4)
a.level = 4  # from 8 down to 4, one level at a time, as the track bar moves
x = np.linspace(0, 1, 1001)

fig, axes = plt.subplots(3, 1, sharex=True, figsize=(8, 7))
axes[0].plot(x, a.original(x), color="grey", label="Abtastwerte")
axes[0].plot(x, a.smooth(x), label="Glätteanteil, level 4")
axes[1].plot(x, a.details(x), label="Details, levels 4 .. 7")
axes[2].plot(x, a.error(x), label="Fehler")
for ax in axes:
    ax.legend(loc="upper right")
fig.tight_layout()
fig.savefig(folder / "heavisine.png")

# The coefficients themselves, a row per level: where the signal jumps, the
# details of every level are large.
smooth, *details = a.coefficients
fig, axes = plt.subplots(len(details) + 1, 1, sharex=True, figsize=(8, 7))
axes[0].stem(np.linspace(0, 1, len(smooth)), smooth)
axes[0].set_ylabel("smooth")
for ax, level, d in zip(axes[1:], range(a.level, a.max_level), details):
    ax.stem((np.arange(len(d)) + 1.5) / len(d), d, markerfmt=".")
    ax.set_ylabel(f"level {level}")
fig.tight_layout()
fig.savefig(folder / "coefficients.png")

# %% Your own data: an offset series with a time column, 2^m values
t = np.arange(1024) / 250.0  # four seconds at 250 Hz
pulse = 130 + 15 * np.exp(-(((t % 0.8) - 0.2) ** 2) / 5e-4) + 2 * np.sin(2 * np.pi * 0.3 * t)
series = np.column_stack([t, pulse])

samples = vexlor.resample(series[:, 1])  # 2^10 values keep their places: the last once more
print(f"{len(series)} values resampled to {len(samples)}: finest level {int(np.log2(len(samples) - 1))}")

# Points off every knot (k + 0.1 over 4000 is never j / 2^m): at Delta 0 the
# box functions are 0 at their own ends, so the curves would drop there.
x = (np.arange(4000) + 0.1) / 4000
fig, ax = plt.subplots(figsize=(8, 3.5))
ax.plot(np.linspace(0, 1, len(samples)), samples, ".", color="grey", markersize=2, label="samples")
for delta in (0.0, 0.5, 1.0):
    a = vexlor.Analysis(samples, delta)
    a.level = 5
    rms = np.sqrt(np.mean(a.error(x) ** 2))
    ax.plot(x, a.function(x), label=f"Delta {delta:g}, level 5 (rms error {rms:.2f})")
ax.legend(loc="upper right", fontsize="small")
fig.tight_layout()
fig.savefig(folder / "pulse.png")

# %% decompose and reconstruct, as PyWavelets' wavedec and waverec
coeffs = vexlor.decompose(samples, 0.5, level=3)  # level: where to go, not how many steps
print("coefficients per level:", [len(c) for c in coeffs])
rebuilt = vexlor.reconstruct(coeffs, 0.5)
# Not the samples again: the spaces of the levels are not nested, and near the
# ends, where the boundary functions sit, a signal around 130 moves furthest.
off = np.abs(rebuilt - samples)
print(f"rebuilt: {off[0]:.3g} off at the left end, {off[-1]:.3g} at the right, "
      f"at most {off[len(off) // 4:-len(off) // 4].max():.3g} in the middle half")

# %% Fewer details: compression and the numbers of "Kennzahlen"
a = vexlor.Analysis.of_signal("bumps", max_level=10, delta=0.4)
a.level = 4
for by in ("beitrag", "betrag"):
    a.compress(5, by=by)  # the coefficients stay; the curves and numbers show 5 % of the details
    n = a.numbers()
    print(f"5 % kept by {by}: {n.kept} of {n.detail_count} details, "
          f"RMS error {n.rms_error:.4f}, distance to the samples {n.distance_rms:.4f}")
shares = ", ".join(f"{s:.1f}" for s in n.energy_shares)
print(f"energy shares in % (smooth, levels 4 .. 9): {shares}")

# %% Noise, thresholds, and the Delta that denoises best
a = vexlor.Analysis.of_signal("doppler", max_level=10)
a.level = 7
a.add_noise(0.1)  # sigma 0.1 of the largest magnitude; the clean samples stay the reference
fig, ax = plt.subplots(figsize=(8, 3.5))
ax.plot(x, a.function(x), color="lightgrey", label="noisy")
for rule, kind in (("universell", "hart"), ("sure", "weich")):
    a.denoise(rule, kind)
    n = a.numbers()
    print(f"{rule}, {kind}: sigma-hat {n.sigma_hat:.4f}, SNR {n.snr_noisy:.2f} -> {n.snr_denoised:.2f} dB")
    ax.plot(x, a.function(x), label=f"{rule}, {kind}")
ax.plot(x, vexlor.Analysis(a.clean_samples, a.delta).function(x), color="black", lw=0.7, label="clean")
ax.legend(loc="lower right", fontsize="small")
fig.tight_layout()
fig.savefig(folder / "denoised.png")

sweep = a.delta_sweep(measure="denoised_rms")  # 101 Deltas, each as the program would take it
fig, ax = plt.subplots(figsize=(8, 3))
ax.plot(sweep.deltas, sweep.values)
ax.set_xlabel("Delta")
ax.set_ylabel("RMS distance from the clean samples")
fig.tight_layout()
fig.savefig(folder / "delta-sweep.png")
print(f"the Delta that denoises best (sure, weich): {sweep.best_delta}")

# %% The program's coefficient files: open this one with "Öffnen" in Vexlor
a = vexlor.Analysis(vexlor.test_signal("stufe", 7), delta=0.3)
a.level = 3
a.compress(20)  # written as ";Behalten:20": the program shows 20 % again
path = vexlor.write_mdt(folder / "stufe", a)
b = vexlor.read_mdt(path, samples=a.samples)
print(f"{path}: level {b.level} of {b.max_level}, Delta {b.delta}, {b.keep_percent} % kept")
print(f"the figures are in {folder}/")
