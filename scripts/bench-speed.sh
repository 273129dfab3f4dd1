#!/usr/bin/env bash
# The program's speed on this machine in one run: the engine's scans against
# memchr (natively, as the PE32 and as the PE32+), the document control's bench
# (open, keystroke, Ctrl+End, find next and previous, replace all) as PE32 and
# PE32+ line by line, and a UTF-8 to Windows-1251 recoding of 64 MB by iconv and
# by zorn2-text. Builds what it runs; reports numbers and never fails on one.
# Where the kernel runs no 32-bit code, the PE32 rows are left out, saying so.
# Usage: scripts/bench-speed.sh [MEGABYTES]
set -uo pipefail
cd "$(dirname "$0")/.."
megabytes=${1:-100}
root=$PWD

# Configures the preset's build when it has none, then builds the targets; false if that fails.
built() {
  local preset=$1; shift
  { [ -f "build/$preset/CMakeCache.txt" ] || cmake --preset "$preset"; } >/dev/null 2>&1 &&
    cmake --build "build/$preset" -j2 --target "$@" >/dev/null 2>&1 && return
  echo "  (build/$preset did not build $*)"
  return 1
}
# Runs a Windows program of a build under Wine in that build's session.
wine_in() { (cd "build/$1" && "$root/scripts/wine-run.sh" "${@:2}" 2>/dev/null); }

presets=(win64)
if [ "$(scripts/windows-preset.sh)" = win32 ]; then
  presets=(win32 win64)
else
  echo "This kernel runs no 32-bit code: no PE32 numbers here, only native and PE32+ ones."
fi

echo "== scans, native"
built native scan-bench zorn2-text && build/native/scan-bench "$megabytes"
for preset in "${presets[@]}"; do
  echo "== scans, $preset"
  built "$preset" scan-bench && wine_in "$preset" scan-bench.exe "$megabytes"
done

echo "== document control, $megabytes MB (${presets[*]}, line by line)"
outputs=()
for preset in "${presets[@]}"; do
  out=$(mktemp)
  outputs+=("$out")
  built "$preset" control-bench && wine_in "$preset" control-bench.exe "$megabytes" |
    tr -d '\r' | grep -v '^$' | sed "s/^/$(printf '%-6s' "$preset") /" >"$out"
done
paste -d '\n' "${outputs[@]}" | grep -v '^$'
rm -f "${outputs[@]}"

echo "== recoding 64 MB of UTF-8 into Windows-1251 (best of 3)"
text=$(mktemp)
trap 'rm -f "$text"' EXIT
python3 - "$text" <<'EOF'
import os, sys
root = "/usr/share/games/fortunes/ru"
once = b"".join(open(os.path.join(root, name), "rb").read() for name in sorted(os.listdir(root)) if "." not in name)
size = 64 << 20
text = (once * (size // len(once) + 1))[:size]
open(sys.argv[1], "wb").write(text[:text.rindex(b"\n") + 1])
EOF
best_of_3() {
  for _ in 1 2 3; do
    local start=$(date +%s%N)
    "$@" <"$text" >/dev/null 2>&1
    echo $(( ($(date +%s%N) - start) / 1000000 ))
  done | sort -n | head -1 | xargs printf '%8d ms'
}
echo "  iconv -c -f UTF-8 -t CP1251        $(best_of_3 iconv -c -f UTF-8 -t CP1251)"
[ -x build/native/zorn2-text ] &&
  echo "  zorn2-text recode utf8 ansi        $(best_of_3 build/native/zorn2-text recode utf8 ansi)"
exit 0
