"""Analyses on several threads at once."""
from concurrent.futures import ThreadPoolExecutor

import numpy as np

import vexlor

LEVELS = [2, 9, 4, 11, 3]


def walk(samples, delta):
    a = vexlor.Analysis(samples, delta)
    curves = []
    for level in LEVELS:
        a.level = level
        curves.append(a.function(np.linspace(0, 1, 257)))
    return np.concatenate(a.coefficients), curves


def test_independent_analyses_on_threads_give_what_each_gives_alone():
    samples = vexlor.test_signal("doppler", 11)
    deltas = [0.0, 0.1, 0.3, 0.4, 0.57, 0.8, 1.0, 0.3]
    alone = [walk(samples, d) for d in deltas]
    with ThreadPoolExecutor(4) as pool:
        together = list(pool.map(lambda d: walk(samples, d), deltas))
    for (k1, c1), (k2, c2) in zip(alone, together):
        assert np.array_equal(k1, k2) and all(np.array_equal(p, q) for p, q in zip(c1, c2))


def test_one_analysis_shared_by_threads_stays_whole():
    a = vexlor.Analysis(vexlor.test_signal("bumps", 10), 0.4)

    def use(turn):
        a.level = min(LEVELS[turn % len(LEVELS)], 10)
        parts = a.coefficients
        return [len(p) for p in parts], a.error(np.linspace(0, 1, 101))

    with ThreadPoolExecutor(4) as pool:
        results = list(pool.map(use, range(40)))
    for lengths, error in results:
        level = int(np.log2(lengths[0] - 1))
        assert lengths == [2 ** level + 1] + [2 ** j for j in range(level, 10)]
        assert np.isfinite(error).all()
