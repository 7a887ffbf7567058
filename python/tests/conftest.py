import math
import os
import subprocess
from types import SimpleNamespace

import numpy as np
import pytest


def number(word):
    return math.nan if word == "\u2014" else float(word)


@pytest.fixture
def program(tmp_path):
    """Runs the snapshot tool with the actions given. Returns its state lines
    (each the list of its words), the columns of its --koeff-csv (the
    coefficients, and as compression and denoising leave them) and, with
    sweep=True, its --delta-sweep CSV as a dict of columns; the values exactly."""
    tool = os.environ.get("VEXLOR_SNAPSHOT")
    if not tool:
        pytest.skip("the snapshot tool is built with the program (VEXLOR_SNAPSHOT names it)")

    def run(*actions, sweep=False):
        koeff, swept = tmp_path / "koeff.csv", tmp_path / "sweep.csv"
        outputs = ["--delta-sweep", str(swept)] if sweep else []
        report = subprocess.run([tool, *actions, *outputs, "--koeff-csv", str(koeff)], check=True,
                                capture_output=True, text=True,
                                env={**os.environ, "QT_QPA_PLATFORM": "offscreen"}).stdout
        state = {}
        for line in report.splitlines():
            word, _, rest = line.partition(":")
            state[word] = rest.split()
        rows = [line.split(",") for line in koeff.read_text().splitlines()]
        assert [int(row[0]) for row in rows] == list(range(len(rows)))
        result = SimpleNamespace(state=state, koeff=np.array([number(r[1]) for r in rows]),
                                 shown=np.array([number(r[2]) for r in rows]))
        if sweep:
            header, *lines = swept.read_text().splitlines()
            columns = zip(*(line.split(",") for line in lines))
            result.sweep = {name: np.array([number(w) for w in column])
                            for name, column in zip(header.split(","), columns)}
        return result

    return run


@pytest.fixture
def koeff_csv(program):
    """The program's coefficient array after the actions given, from --koeff-csv."""
    return lambda *actions: program(*actions).koeff


def assert_same_doubles(actual, expected):
    """Equal bit for bit, the sign of zero included."""
    actual, expected = np.asarray(actual, dtype=np.float64), np.asarray(expected, dtype=np.float64)
    assert actual.shape == expected.shape
    assert np.array_equal(actual.view(np.uint64), expected.view(np.uint64))
