import os
import subprocess

import numpy as np
import pytest


@pytest.fixture
def koeff_csv(tmp_path):
    """Runs the snapshot tool with the actions given and returns the program's
    coefficient array from its --koeff-csv (the values, exactly)."""
    tool = os.environ.get("VEXLOR_SNAPSHOT")
    if not tool:
        pytest.skip("the snapshot tool is built with the program (VEXLOR_SNAPSHOT names it)")

    def run(*actions):
        csv = tmp_path / "koeff.csv"
        subprocess.run([tool, *actions, "--koeff-csv", str(csv)], check=True, capture_output=True,
                       env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
        rows = [line.split(",") for line in csv.read_text().splitlines()]
        assert [int(row[0]) for row in rows] == list(range(len(rows)))
        return np.array([float(row[1]) for row in rows])

    return run


def assert_same_doubles(actual, expected):
    """Equal bit for bit, the sign of zero included."""
    actual, expected = np.asarray(actual, dtype=np.float64), np.asarray(expected, dtype=np.float64)
    assert actual.shape == expected.shape
    assert np.array_equal(actual.view(np.uint64), expected.view(np.uint64))
