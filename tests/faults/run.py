#!/usr/bin/env python3
"""Plants each fault of faults.tsv in turn and runs the test that should catch it.

    tests/faults/run.py                  # every row
    tests/faults/run.py 1 7              # rows 1 and 7, numbered as printed
    tests/faults/run.py undo_journal     # rows whose file path contains the word

A row names its preset: native and native32 rows run native_tests, win32 (or
win64) rows the Wine tests, win32_tests, in the scratch build's own Wine session
and print spooler, stopped at the end. A Windows row runs on the build the host
can run: where the kernel runs no 32-bit code, on the win64 twin, as `make test`
does; the output says so.

Faults are planted in a scratch copy of the tree (build/faults/tree, with build
directories of its own), never in the working tree: the copy is brought up to
date first, each fault is written, built and tested, and the file put back.
A row is CAUGHT when its test fails (or runs past FAULT_TIMEOUT seconds),
MISSED when it passes: a MISSED row is a gap in the tests. It builds once per
row, so it is run by hand, not by `make test`.
"""
import os
import subprocess
import sys
import time
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts"))
from scratch_tree import sync  # noqa: E402

ROOT = Path(__file__).resolve().parents[2]
TABLE = Path(__file__).with_name("faults.tsv")
WORK = ROOT / "build" / "faults"
TREE = WORK / "tree"
LOGS = WORK / "logs"
TIMEOUT = int(os.environ.get("FAULT_TIMEOUT", "900"))
WINDOWS_PRESETS = ("win32", "win64")


def target(preset):
    return "win32_tests" if preset in WINDOWS_PRESETS else "native_tests"


class Row:
    def __init__(self, number, preset, path, test, original, fault):
        self.number, self.preset, self.path, self.test = number, preset, path, test
        self.original, self.fault = original, fault


def read_table():
    rows = []
    for line in TABLE.read_text(encoding="utf-8").splitlines():
        if not line.strip() or line.startswith("#"):
            continue
        fields = line.split("\t")
        if len(fields) != 5:
            sys.exit(f"faults.tsv: five tab-separated fields wanted: {line}")
        rows.append(Row(len(rows) + 1, *fields))
    return rows


def windows_preset_of_host():
    """The Windows preset this host's Wine runs: win32, or its win64 twin where the kernel runs no 32-bit code."""
    return subprocess.run([str(ROOT / "scripts" / "windows-preset.sh")], check=True, capture_output=True,
                          text=True).stdout.strip()


def run_windows_rows_on_host(rows):
    """A Windows row runs on the build the host can run, as `make test` does, and says so."""
    host = windows_preset_of_host()
    moved = [r for r in rows if r.preset in WINDOWS_PRESETS and r.preset != host]
    for row in moved:
        row.preset = host
    if moved:
        print(f"this host runs Windows rows on the {host} build ({len(moved)} rows moved there)", flush=True)


def chosen(rows, words):
    if not words:
        return rows
    return [r for r in rows if str(r.number) in words or any(w in r.path for w in words if not w.isdigit())]


def build(preset, log):
    if not (TREE / "build" / preset / "CMakeCache.txt").is_file():
        if subprocess.run(["cmake", "--preset", preset], cwd=TREE, stdout=log, stderr=subprocess.STDOUT).returncode:
            return False
    command = ["cmake", "--build", str(TREE / "build" / preset), "--target", target(preset), "-j2"]
    return subprocess.run(command, cwd=TREE, stdout=log, stderr=subprocess.STDOUT).returncode == 0


def run_test(preset, test, log):
    """True when the filtered tests pass."""
    directory = TREE / "build" / preset
    command = [str(directory / target(preset)), f"--gtest_filter={test}"]
    if preset == "native32":
        command.insert(0, str(TREE / "scripts" / "run-i386.sh"))
    elif preset in WINDOWS_PRESETS:  # in the build directory's Wine session, started when none runs
        command = [str(TREE / "scripts" / "wine-run.sh"), "win32_tests.exe", f"--gtest_filter={test}"]
    try:
        return subprocess.run(command, cwd=directory, stdout=log, stderr=subprocess.STDOUT, timeout=TIMEOUT).returncode == 0
    except subprocess.TimeoutExpired:
        log.write(f"\ntimed out after {TIMEOUT} s\n".encode())
        return False


def start_spooler(presets):
    """The print tests' private spooler beside each Windows build (skipped by them where it cannot start)."""
    for preset in presets & set(WINDOWS_PRESETS):
        subprocess.run([str(TREE / "scripts" / "cups-session.sh"), "start", str(TREE / "build" / preset / "cups")],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def stop_sessions(presets):
    for preset in presets & set(WINDOWS_PRESETS):
        build_dir = TREE / "build" / preset
        for script, directory in (("wine-session.sh", "wine"), ("cups-session.sh", "cups")):
            subprocess.run([str(TREE / "scripts" / script), "stop", str(build_dir / directory)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def main():
    rows = chosen(read_table(), sys.argv[1:])
    if not rows:
        sys.exit("no row chosen")
    run_windows_rows_on_host(rows)
    LOGS.mkdir(parents=True, exist_ok=True)
    TREE.mkdir(parents=True, exist_ok=True)
    sync(TREE, "-co", "--exclude-standard")

    # Each test must pass without a fault, or its rows tell nothing.
    baseline = {}
    start_spooler({r.preset for r in rows})
    for preset, test in sorted({(r.preset, r.test) for r in rows}):
        with open(LOGS / f"baseline-{preset}.log", "ab") as log:
            baseline[preset, test] = build(preset, log) and run_test(preset, test, log)
        if not baseline[preset, test]:
            print(f"baseline fails: {preset} {test} (see {LOGS})")

    counts = {}
    for row in rows:
        started = time.monotonic()
        if not baseline[row.preset, row.test]:
            verdict = "SKIPPED"
        else:
            source = TREE / row.path
            text = source.read_text(encoding="utf-8")
            if text.count(row.original) != 1:
                verdict = "BAD ROW"  # the text to change is gone or ambiguous: the table needs updating
            else:
                try:
                    source.write_text(text.replace(row.original, row.fault), encoding="utf-8")
                    with open(LOGS / f"row-{row.number}.log", "wb") as log:
                        if not build(row.preset, log):
                            verdict = "BROKEN"  # the fault does not compile
                        else:
                            verdict = "MISSED" if run_test(row.preset, row.test, log) else "CAUGHT"
                finally:
                    source.write_text(text, encoding="utf-8")
        counts[verdict] = counts.get(verdict, 0) + 1
        seconds = time.monotonic() - started
        print(f"{row.number:3} {verdict:8} {row.preset:9} {row.path}  [{row.test}]  {seconds:.0f} s", flush=True)

    stop_sessions({r.preset for r in rows})
    print("summary: " + ", ".join(f"{n} {v.lower()}" for v, n in sorted(counts.items())) + f" of {len(rows)}")
    return 0 if counts.get("CAUGHT", 0) == len(rows) else 1


if __name__ == "__main__":
    sys.exit(main())
