#!/usr/bin/env bash
# Runs a Windows program under Wine inside the test run's session (see
# wine-session.sh); CMake names it as the cross-compiling emulator, so CTest runs
# every Windows test through it. The session is the build directory's, found
# from the working directory, or ZORN2_WINE_SESSION; it is started when missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-common.sh"

session=${ZORN2_WINE_SESSION:-}
if [ -z "$session" ]; then
  d=$PWD
  while [ "$d" != / ] && [ ! -f "$d/CMakeCache.txt" ]; do d=$(dirname "$d"); done
  [ -f "$d/CMakeCache.txt" ] || { echo "wine-run: no build directory above $PWD" >&2; exit 2; }
  session=$d/wine
fi
# One program at a time in a session: two sharing its display move each other's
# cursor and focus (a drag drops in the wrong place), and two starting it at once
# build the same prefix. Later runs wait; the lock is never passed to children,
# so the session's servers, which outlive the run, do not keep it.
exec 8>>"$session.lock"
flock 8
if [ ! -f "$session/env" ] || ! session_alive "$session"; then
  "$here/wine-session.sh" start "$session" 8>&-
fi
. "$session/env"
# The print tests' private spooler, when it runs (cups-session.sh).
[ -S "$(dirname "$session")/cups/socket" ] && export CUPS_SERVER=$(dirname "$session")/cups/socket
# ZORN2_LOCALE runs this one program under another locale (its system code page with it).
if [ -n "${ZORN2_LOCALE:-}" ]; then export LC_ALL=$ZORN2_LOCALE LANG=$ZORN2_LOCALE; fi
exe=$1; shift
status=0
"$(loader_for "$exe")" "$exe" "$@" 8>&- || status=$?
exit $status
