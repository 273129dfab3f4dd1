#!/usr/bin/env bash
# Times every whole-text command of the shipped PE32 program, and its undo, on
# MEGABYTES (100) of Russian text in Windows-1251 made from fortunes-ru, under
# Wine in the build's session; prints a table of time and memory peaks. Reports
# numbers and never fails on one. A 32-bit run needs a kernel that runs 32-bit
# code: under qemu-i386 (tests/pe32/run.sh) the times would be qemu's.
# Usage: scripts/bench-whole-text.sh [build/win32] [MEGABYTES]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/win32}")
megabytes=${2:-100}
inserted_megabytes=$(( (megabytes + 9) / 10 ))
if [ "$(basename "$build")" = win32 ] && [ "$(scripts/windows-preset.sh)" != win32 ]; then
  echo "bench-whole-text: this kernel runs no 32-bit code, so no PE32 numbers here" >&2
  exit 1
fi
cmake --build "$build" --target whole-text-bench >/dev/null

work=$(mktemp -d "$build/whole-text-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
python3 tests/pe32/russian_text.py "$work/russian.txt" "$megabytes"
head -c $((inserted_megabytes << 20)) "$work/russian.txt" >"$work/inserted.txt"
windows() { echo "Z:$1" | tr / '\\'; }
cd "$build"
../../scripts/wine-run.sh whole-text-bench.exe "$(windows "$work/russian.txt")" "$(windows "$work/inserted.txt")"
