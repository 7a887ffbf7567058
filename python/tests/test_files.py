"""The program's ".mdt" files through its own reader and writer."""
import numpy as np
import pytest

import vexlor
from conftest import assert_same_doubles


def test_a_written_file_reads_back_exactly(tmp_path):
    a = vexlor.Analysis(vexlor.test_signal("knick", 6) + 130, 0.37)
    a.level = 3
    path = vexlor.write_mdt(tmp_path / "lektion", a)
    assert path == str(tmp_path / "lektion.mdt")
    text = open(path, "rb").read()
    assert text.startswith(f";{path}\r\n".encode()) and b"\r\n;Signal:Datei\r\n" in text
    assert text.endswith(b";Delta:0.37\r\n")

    b = vexlor.read_mdt(path)
    assert (b.max_level, b.level, b.delta, b.signal) == (6, 3, 0.37, "Datei")
    assert_same_doubles(np.concatenate(b.coefficients), np.concatenate(a.coefficients))
    assert_same_doubles(b.samples, a.samples)
    assert b.error(0.4) == a.error(0.4)


def test_a_file_without_samples(tmp_path):
    path = tmp_path / "klassisch.mdt"
    path.write_bytes(b";klassisch\r\n3 2 " + b" ".join([b"0.5"] * 9) + b"\r\n")
    a = vexlor.read_mdt(path)
    assert (a.delta, a.samples) == (0.4, None)
    with pytest.raises(ValueError, match="samples of this analysis are not known"):
        a.error(0.5)
    b = vexlor.read_mdt(path, samples=np.linspace(0, 1, 9))
    assert b.original(0.5) == 0.5 and b.signal == "Datei"


def test_a_file_naming_a_test_signal_brings_its_samples(tmp_path):
    path = tmp_path / "stufe.mdt"
    values = " ".join(["0.1"] * 9 + ["0.01"] * 24)
    path.write_bytes(f";von_Hand\r\n5 3 {values}\r\n;Signal:Stufe\r\n;Delta:0.3\r\n".encode())
    a = vexlor.read_mdt(path)
    assert (a.max_level, a.level, a.delta, a.signal) == (5, 3, 0.3, "Stufe")
    assert_same_doubles(a.samples, vexlor.test_signal("stufe", 5, delta=0.3))


def test_the_programs_refusals_and_warnings(tmp_path):
    bad = tmp_path / "bad.mdt"
    bad.write_bytes(b"7 3 0.5 x 1\r\n")
    with pytest.raises(ValueError, match="bad.mdt: Ungültige Datei: kein Zahlwert „x“ an Stelle 4"):
        vexlor.read_mdt(bad)
    bad.write_bytes(b"13 3\r\n")
    with pytest.raises(ValueError, match="MaxLevel nicht zwischen 2 und 12"):
        vexlor.read_mdt(bad)
    bad.write_bytes(b"0" * ((1 << 20) + 1))
    with pytest.raises(ValueError, match="größer als 1 MiB"):
        vexlor.read_mdt(bad)

    short = tmp_path / "short.mdt"
    short.write_bytes(b"3 2 1 2 3\r\n")
    with pytest.warns(UserWarning, match="holds 3 values where its levels take 9; the rest are 0"):
        a = vexlor.read_mdt(short)
    assert np.concatenate(a.coefficients).tolist() == [1, 2, 3] + [0] * 6
    with pytest.raises(ValueError, match="samples must hold the 9 values of the file's finest level 3, not 5"):
        vexlor.read_mdt(short, samples=np.zeros(5))


def test_files_that_cannot_be_read_or_written(tmp_path):
    with pytest.raises(FileNotFoundError):
        vexlor.read_mdt(tmp_path / "missing.mdt")
    with pytest.raises(OSError, match="not a readable regular file"):
        vexlor.read_mdt(tmp_path)
    blocker = tmp_path / "datei"
    blocker.write_text("a file where a folder should be")
    a = vexlor.Analysis(vexlor.test_signal("sinus", 4))
    with pytest.raises(NotADirectoryError, match="Konnte Datei nicht sichern: ein Teil des Pfades ist kein Ordner"):
        vexlor.write_mdt(blocker / "x.mdt", a)
