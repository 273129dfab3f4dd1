#!/usr/bin/env bash
# One Wine session for a test run: a private prefix, a virtual display when none
# is set, a Russian locale, and one persistent wineserver so that every program
# started in the session starts in a fraction of a second.
#
#   wine-session.sh start DIR   create DIR/prefix (from a cached template) and start
#   wine-session.sh stop DIR    stop the wineserver and the virtual display
#   wine-session.sh env DIR     print the session's environment (for eval)
set -euo pipefail
cmd=${1:?usage: wine-session.sh start|stop|env DIR}
dir=$(realpath -m "${2:?usage: wine-session.sh start|stop|env DIR}")
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-common.sh"

start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${ZORN2_FORCE_XVFB:-}" ]; then
    echo "$DISPLAY" >"$dir/display"; return
  fi
  # Xvfb picks a free display number and reports it on the given descriptor;
  # -noreset keeps its keyboard map (the end-to-end tests' Russian keys) when
  # the last program on it exits.
  exec 9>"$dir/display.fd"
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
  echo $! >"$dir/xvfb.pid"
  exec 9>&-
  for _ in $(seq 100); do
    [ -s "$dir/display.fd" ] && break
    sleep 0.05
  done
  [ -s "$dir/display.fd" ] || { echo "wine-session: Xvfb did not start" >&2; exit 1; }
  echo ":$(tr -d '\n' <"$dir/display.fd")" >"$dir/display"
}

make_template() {
  # Creating a prefix takes ~20 s (minutes where qemu runs its 32-bit half); do it
  # once per build directory and copy it.
  # A template made where no 32-bit code ran lacks its 32-bit half (syswow64).
  local tpl="$dir/../wine-template"
  if [ ! -f "$tpl/system.reg" ] ||
     { [ ! -f "$tpl/drive_c/windows/syswow64/kernel32.dll" ] && "$WINE32" --version >/dev/null 2>&1; }; then
    rm -rf "$tpl.tmp"
    mkdir -p "$tpl.tmp"
    WINEPREFIX="$(realpath "$tpl.tmp")" "$WINE64" wineboot -i </dev/null >/dev/null 2>&1
    WINEPREFIX="$(realpath "$tpl.tmp")" "$WINESERVER" -w
    rm -rf "$tpl"; mv "$tpl.tmp" "$tpl"
  fi
  echo "$tpl"
}

case "$cmd" in
  start)
    if [ -f "$dir/env" ] && session_alive "$dir"; then exit 0; fi
    "$here/wine-session.sh" stop "$dir" 2>/dev/null || true
    mkdir -p "$dir"
    start_display
    export DISPLAY=$(cat "$dir/display")
    tpl=$(make_template)
    rm -rf "$dir/prefix"
    cp -a "$tpl" "$dir/prefix"
    # Without a window manager on the virtual display, Wine places and sizes its
    # windows itself, so that maximise and restore really change them.
    [ -f "$dir/xvfb.pid" ] && printf '\n[Software\\\\Wine\\\\X11 Driver] 1700000000\n"Managed"="N"\n' >>"$dir/prefix/user.reg"
    write_env "$dir"
    . "$dir/env"
    "$WINESERVER" -p </dev/null >/dev/null 2>&1
    "$WINE64" wineboot -r </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    if [ -f "$dir/env" ]; then
      ( . "$dir/env"; "$WINESERVER" -k 2>/dev/null || true )
    fi
    if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$dir/env" "$dir/xvfb.pid" "$dir/display" "$dir/display.fd"
    ;;
  env)
    cat "$dir/env"
    ;;
  *) echo "usage: wine-session.sh start|stop|env DIR" >&2; exit 2 ;;
esac
