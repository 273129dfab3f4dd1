#!/usr/bin/env bash
# Runs the end-to-end tests against the zorn2.exe of BUILD_DIR, inside the Wine
# session that CTest started in BUILD_DIR/wine. Extra arguments go to unittest,
# e.g. EditorAsUser.test_find_find_next_and_replace_all_in_the_koi8_view.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(realpath "${1:?usage: run.sh BUILD_DIR [TEST ...]}")
shift
. "$here/../../scripts/wine-common.sh"
session=${ZORN2_WINE_SESSION:-$build/wine}
. "$session/env"
export WINE64 ZORN2_BUILD=$build
# The print tests' private spooler, when it runs (cups-session.sh).
[ -S "$build/cups/socket" ] && export CUPS_SERVER=$build/cups/socket ZORN2_PRINTED=$build/cups/pdf
# ZORN2_LOCALE runs the programs under another locale (its system code page with it).
if [ -n "${ZORN2_LOCALE:-}" ]; then export LC_ALL=$ZORN2_LOCALE LANG=$ZORN2_LOCALE; fi
cd "$here"
[ $# -gt 0 ] || set -- editor_as_user tools_as_user printing_as_user chrome_as_user
exec python3 -m unittest -v "$@"
