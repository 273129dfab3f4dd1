#!/usr/bin/env bash
# Times the start of the shipped PE32 program on MEGABYTES (100) of Russian text
# (tests/pe32/russian_text.py), from the moment its process is started to the
# first moment it has nothing to do, its titled window shown and painted. The
# program keeps its steps' times when ZORN2_START_TRACE names a file, and closes
# once it wrote them. Beside it, in the same runs, Wine's start of a trivial
# PE32 and of a bare window (start-floor), the floor under every start.
# RUNS (5) runs of each, interleaved; prints best and median. Other programs of
# the build directory named after RUNS (a copy of an older zorn2.exe) run in the
# same turns, to compare under the same load. Reports numbers and never fails on one.
# Usage: scripts/bench-open.sh [build/win32] [MEGABYTES] [RUNS] [PROGRAM.exe ...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/win32}")
megabytes=${2:-100}
runs=${3:-5}
shift $(( $# < 3 ? $# : 3 ))
if [ "$(basename "$build")" = win32 ] && [ "$(scripts/windows-preset.sh)" != win32 ]; then
  echo "bench-open: this kernel runs no 32-bit code, so no PE32 numbers here" >&2
  exit 1
fi
cmake --build "$build" --target zorn2 start-floor >/dev/null

work=$(mktemp -d "$build/open-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
python3 tests/pe32/russian_text.py "$work/russian.txt" "$megabytes"
scripts/wine-session.sh start "$build/wine"
. "$build/wine/env"
. scripts/wine-common.sh
# One program at a time in the session, as scripts/wine-run.sh runs them.
exec 8>>"$build/wine.lock"
flock 8
python3 - "$(loader_for "$build/zorn2.exe")" "$build" "$work" "$runs" zorn2.exe "$@" <<'EOF_PYTHON'
import os, statistics, subprocess, sys, time

loader, build, work, runs, programs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4]), sys.argv[5:]
trace = os.path.join(work, "trace.txt")
windows = lambda path: "Z:" + path.replace("/", "\\")
text = os.path.join(work, "russian.txt")


def run(program, *arguments):
    """Milliseconds from the start of the process to each traced step, and to its exit."""
    if os.path.exists(trace):
        os.remove(trace)
    env = dict(os.environ, ZORN2_START_TRACE=windows(trace))
    started = time.time_ns() // 100
    subprocess.run([loader, os.path.join(build, program), *arguments], env=env, check=False, timeout=120,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    ended = time.time_ns() // 100
    steps = []
    with open(trace) as lines:
        for line in lines:
            kind, ticks, name = line.rstrip("\n").split(" ", 2)
            ticks = int(ticks)
            steps.append((name, kind, (ticks - started if kind == "at" else ticks) / 1e4))
    steps.append(("process ended", "at", (ended - started) / 1e4))
    return steps


cases = {"trivial PE32": ("start-floor.exe",), "bare window": ("start-floor.exe", "window")}
for program in programs:
    cases[f"{program}, {os.path.getsize(text) / 2**20:.0f} MB"] = (program, windows(text))
results = {name: [] for name in cases}
load = os.getloadavg()[0]
for command in cases.values():
    run(*command)  # the programs and the file into the page cache, the prefix warm
for _ in range(runs):
    for name, command in cases.items():
        results[name].append(run(*command))
print(f"{runs} runs each, load average {load:.2f} before and {os.getloadavg()[0]:.2f} after "
      f"({os.cpu_count()} processors); ms from the process's start")
for name, samples in results.items():
    print(f"\n{name}")
    print(f"  {'step':34} {'best':>8} {'median':>8}   {'step took (median)':>18}")
    previous = [0.0] * len(samples)
    for i, (step, kind, _) in enumerate(samples[0]):
        values = [sample[i][2] for sample in samples]
        took = ""
        if kind == "at":
            took = f"{statistics.median(v - p for v, p in zip(values, previous)):18.1f}"
            previous = values
        else:
            step = "  (" + step + ")"
        print(f"  {step:34} {min(values):8.1f} {statistics.median(values):8.1f}   {took}")
EOF_PYTHON
