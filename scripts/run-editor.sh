#!/usr/bin/env bash
# Opens the editor built in BUILD_DIR under Wine. With a display, it runs until the
# user closes it. Without one, it runs on a virtual display, saves a screenshot to
# build/zorn2-screenshot.png, prints that path and closes the editor.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-common.sh"
build=$(realpath "${1:?usage: run-editor.sh BUILD_DIR [FILE]}")
shift
# Without a file, the bundled welcome text (DOS-866) shows the code-page guess at work.
if [ $# -eq 0 ] && [ -f "$build/welcome.txt" ]; then set -- "Z:${build//\//\\}\\welcome.txt"; fi
exe=$build/zorn2.exe
session=$build/wine-run
shot=$(realpath -m "$here/../build/zorn2-screenshot.png")

if [ -n "${DISPLAY:-}" ]; then
  ZORN2_WINE_SESSION=$session "$here/wine-run.sh" "$exe" "$@"
  "$here/wine-session.sh" stop "$session"
  exit 0
fi

"$here/wine-session.sh" start "$session"
trap '"$here/wine-session.sh" stop "$session"' EXIT
ZORN2_WINE_SESSION=$session "$here/wine-run.sh" "$exe" "$@" &
editor=$!
. "$session/env"
window=
for _ in $(seq 300); do
  window=$(xdotool search --name 'ZORN2$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "run-editor: the editor window did not appear" >&2; kill "$editor" 2>/dev/null; exit 1; }
sleep 1  # let it paint
import -window "$window" "$shot"
echo "$shot"
# A polite close (WM_CLOSE), as the user's close button would send it.
"$WINE64" taskkill /im zorn2.exe >/dev/null 2>&1 || true
for _ in $(seq 50); do kill -0 "$editor" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$editor" 2>/dev/null; then kill "$editor" 2>/dev/null || true; fi
wait "$editor" 2>/dev/null || true
