#!/usr/bin/env python3
"""Runs the shell examples of the README and the manual as a reader would type them.

A fenced ```sh block counts when the line before it is a comment of the form

    <!-- runnable: FILE FILE ... -->

The block runs as one shell script (stopping at the first failing command) in a
fresh temporary folder, on the offscreen platform, with the build installed into
a temporary prefix whose bin/ is first on the PATH, as `scripts/run` installs it.
It must exit 0, and every FILE named must exist afterwards (relative to that
folder). Each block is reported; any failure makes the run fail.

    run_examples.py BUILD_DIR MARKDOWN...
"""
import os
import re
import subprocess
import sys
import tempfile

MARKER = re.compile(r"^<!--\s*runnable:(.*?)-->\s*$")


def examples(path):
    """(line number, promised files, script) of each runnable block."""
    lines = open(path, encoding="utf-8").read().splitlines()
    found = []
    for i, line in enumerate(lines):
        marker = MARKER.match(line.strip())
        if not marker or i + 1 >= len(lines) or not lines[i + 1].startswith("```sh"):
            continue
        end = next(k for k in range(i + 2, len(lines)) if lines[k].startswith("```"))
        found.append((i + 2, marker.group(1).split(), "\n".join(lines[i + 2:end])))
    return found


def main():
    build, documents = sys.argv[1], sys.argv[2:]
    with tempfile.TemporaryDirectory(prefix="vexlor-readme-") as root:
        prefix = os.path.join(root, "prefix")
        subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True, stdout=subprocess.DEVNULL)
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", PATH=os.path.join(prefix, "bin") + ":" + os.environ["PATH"])
        failures = count = 0
        for document in documents:
            for number, promised, script in examples(document):
                count += 1
                folder = tempfile.mkdtemp(dir=root)
                run = subprocess.run(["bash", "-e", "-c", script], cwd=folder, env=env, capture_output=True, text=True)
                missing = [f for f in promised if not os.path.exists(os.path.join(folder, f))]
                where = f"{os.path.basename(document)}:{number}"
                if run.returncode != 0 or missing:
                    failures += 1
                    print(f"FAILED {where}: exit {run.returncode}, missing {missing}\n{script}\n{run.stderr}")
                else:
                    print(f"ok {where}")
        print(f"{count} examples, {failures} failed")
        return 1 if failures or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
