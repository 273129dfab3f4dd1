#!/usr/bin/env bash
# Times zorn2-text align beside coreutils fmt, and zorn2-text translit beside
# iconv's transliteration, on 10 MB of Russian text in Windows-1251 made from
# the fortunes-ru collections. Uses hyperfine when installed, else /usr/bin/time.
# Usage: scripts/bench-align.sh [build/native]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/native}
tool=$build/zorn2-text
[ -x "$tool" ] || { echo "bench-align: build $tool first (make build-native)" >&2; exit 1; }
fortunes=/usr/share/games/fortunes/ru
[ -d "$fortunes" ] || { echo "bench-align: install fortunes-ru (scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
text=$work/russian.cp1251.txt
collections=$(find "$fortunes" -maxdepth 1 -type f ! -name '*.dat' | sort)
# shellcheck disable=SC2086
cat $collections | iconv -c -f UTF-8 -t CP1251 > "$work/once.txt"
while [ "$(stat -c %s "$text" 2>/dev/null || echo 0)" -lt $((10 << 20)) ]; do cat "$work/once.txt" >> "$text"; done
truncate -s $((10 << 20)) "$text"
echo "text: $(stat -c %s "$text") bytes, $(wc -l < "$text") lines"

export LC_ALL=C
commands=(
  "$tool align left --width 80 < $text"
  "$tool align justify --width 80 < $text"
  "$tool align justify --join --width 80 < $text"
  "fmt -w 80 < $text"
  "$tool translit ansi < $text"
  "iconv -c -f CP1251 -t ASCII//TRANSLIT < $text"
)
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --min-runs 5 --ignore-failure --output=null "${commands[@]}"
else
  for command in "${commands[@]}"; do
    echo "== $command"
    /usr/bin/time -f '%e s elapsed, %M KB max resident' bash -c "$command > /dev/null"
  done
fi
