#!/usr/bin/python3
"""vexlor's decompose beside PyWavelets' Haar transform, what a small call costs,
and how long a Delta comparison takes.

    PYTHONPATH=build/python /usr/bin/python3 python/bench.py

The two are measured in turns, round after round, so that a busy machine
weighs on both alike; the table gives the best round and the median, in
microseconds a call. PyWavelets (Debian's python3-pywt) is needed for the
comparison only; without it the rest is measured.
"""

import statistics
import sys
import threading
import time
import timeit
from pathlib import Path

import numpy as np

# This file sits beside the package's sources, which lack the compiled module:
# vexlor comes from PYTHONPATH or from where it is installed.
if sys.path and Path(sys.path[0]).resolve() == Path(__file__).resolve().parent:
    del sys.path[0]
import vexlor  # noqa: E402

try:
    import pywt
except ImportError:
    pywt = None

ROUNDS = 15


def per_call(function, number):
    """Microseconds a call, over `number` calls."""
    return timeit.timeit(function, number=number) / number * 1e6


def measure_in_turns(cases):
    """{name: [µs a call, one a round]}, the cases taking turns in every round."""
    times = {name: [] for name, _, _ in cases}
    for _ in range(ROUNDS):
        for name, function, number in cases:
            times[name].append(per_call(function, number))
    return times


def show(times):
    width = max(len(name) for name in times)
    print(f"{'':{width}}  {'best':>9}  {'median':>9}")
    for name, values in times.items():
        print(f"{name:{width}}  {min(values):9.2f}  {statistics.median(values):9.2f}")


def on_threads(function, threads, calls):
    """Microseconds a call when `threads` threads make `calls` calls each."""
    def work():
        for _ in range(calls):
            function()
    workers = [threading.Thread(target=work) for _ in range(threads)]
    start = time.perf_counter()
    for worker in workers:
        worker.start()
    for worker in workers:
        worker.join()
    return (time.perf_counter() - start) / (threads * calls) * 1e6


def main():
    samples = vexlor.test_signal("doppler", 12)  # 4097 samples: MaxLevel 12
    signal = samples[1:]                         # 4096 for Haar
    vexlor.decompose(samples, 0.4, 2)            # the level matrices of 0.4, once

    print("A decomposition: 4097 samples from MaxLevel 12 to level 2 (10 steps),")
    print("beside PyWavelets' Haar wavedec of 4096 samples with level=10 (10 steps)\n")
    cases = [("vexlor.decompose(x, 0.4, 2)", lambda: vexlor.decompose(samples, 0.4, 2), 200)]
    if pywt:
        cases.append(('pywt.wavedec(x, "haar", level=10)', lambda: pywt.wavedec(signal, "haar", level=10), 200))
    times = measure_in_turns(cases)
    show(times)
    if pywt:
        ours, theirs = (statistics.median(v) for v in times.values())
        print(f"\nvexlor / PyWavelets (medians): {ours / theirs:.2f}")
    else:
        print("\n(PyWavelets is not installed: apt-get install python3-pywt)")

    deltas = iter(np.linspace(0.0, 1.0, 10 ** 6))
    print("\nWith a Delta not used before (its level matrices computed first):")
    show(measure_in_turns([("vexlor.decompose(x, new delta, 2)",
                            lambda: vexlor.decompose(samples, next(deltas), 2), 20)]))

    a = vexlor.Analysis(samples[:5])
    small = samples[:5]
    print("\nSmall calls (the cost of the call itself):")
    show(measure_in_turns([
        ("vexlor.scaling_function(0.3, 0.4)", lambda: vexlor.scaling_function(0.3, 0.4), 20000),
        ("Analysis.smooth(0.3)", lambda: a.smooth(0.3), 20000),
        ("Analysis.level (read)", lambda: a.level, 20000),
        ("vexlor.decompose(5 samples, 0.4, 2)", lambda: vexlor.decompose(small, 0.4, 2), 20000),
    ]))

    print("\nThe Delta comparison: 101 Deltas, MaxLevel 10 down to level 5, each its own analysis:")
    a = vexlor.Analysis.of_signal("doppler", 10)
    a.level = 5
    denoised = vexlor.Analysis.of_signal("doppler", 10)
    denoised.level = 5
    denoised.add_noise(0.1)
    denoised.denoise("sure", "weich")
    times = measure_in_turns([("Analysis.delta_sweep()", a.delta_sweep, 1),
                              ("the same, noise added, denoised by SURE", denoised.delta_sweep, 1)])
    print(*(f"{name}: best {min(v) / 1000:.1f} ms, median {statistics.median(v) / 1000:.1f} ms"
            for name, v in times.items()), sep="\n")

    one = on_threads(lambda: vexlor.decompose(samples, 0.4, 2), 1, 400)
    two = on_threads(lambda: vexlor.decompose(samples, 0.4, 2), 2, 400)
    print(f"\ndecompose on threads, µs a call: 1 thread {one:.1f}, 2 threads {two:.1f}")
    print("(the GIL is let go while it computes: on two free cores two threads take about half as long a call)")


if __name__ == "__main__":
    main()
