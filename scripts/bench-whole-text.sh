#!/usr/bin/env bash
# Times every whole-text command of the shipped PE32 program, and its undo, on
# MEGABYTES (100) of Russian text in Windows-1251 made from fortunes-ru, under
# Wine in the build's session; prints a table of time and memory peaks. Reports
# numbers and never fails on one. A 32-bit run needs a kernel that runs 32-bit
# code: under qemu-i386 (tests/pe32/run.sh) the times would be qemu's.
# With "view", times instead the open, a keystroke and Ctrl+End at the end and a
# far find, on the fortunes in UTF-8 and in Windows-1251 (iconv).
# Usage: scripts/bench-whole-text.sh [build/win32] [MEGABYTES] [view]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/win32}")
megabytes=${2:-100}
mode=${3:-}
inserted_megabytes=$(( (megabytes + 9) / 10 ))
if [ "$(basename "$build")" = win32 ] && [ "$(scripts/windows-preset.sh)" != win32 ]; then
  echo "bench-whole-text: this kernel runs no 32-bit code, so no PE32 numbers here" >&2
  exit 1
fi
cmake --build "$build" --target whole-text-bench >/dev/null

work=$(mktemp -d "$build/whole-text-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
windows() { echo "Z:$1" | tr / '\\'; }
if [ "$mode" = view ]; then
  # The fortunes as they are (UTF-8) repeated, a word found nowhere else planted 100 KB before the end.
  python3 - "$work/utf8.txt" "$megabytes" <<'EOF'
import os, sys
root = "/usr/share/games/fortunes/ru"
once = b"".join(open(os.path.join(root, name), "rb").read() for name in sorted(os.listdir(root)) if "." not in name)
size = int(sys.argv[2]) << 20
text = (once * (size // len(once) + 1))[:size]
text = text[:text.rindex(b"\n") + 1]  # whole characters
at = text.index(b"\n", size - 100 * 1024) + 1
open(sys.argv[1], "wb").write(text[:at] + "бармаглотище".encode() + text[at:])
EOF
  iconv -c -f UTF-8 -t CP1251 "$work/utf8.txt" >"$work/cp1251.txt"
  cd "$build"
  for text in utf8 cp1251; do ../../scripts/wine-run.sh whole-text-bench.exe view "$(windows "$work/$text.txt")"; done
  exit
fi
python3 tests/pe32/russian_text.py "$work/russian.txt" "$megabytes"
head -c $((inserted_megabytes << 20)) "$work/russian.txt" >"$work/inserted.txt"
cd "$build"
../../scripts/wine-run.sh whole-text-bench.exe "$(windows "$work/russian.txt")" "$(windows "$work/inserted.txt")"
