#!/usr/bin/env bash
# The PE32 smoke suite: the shipped zorn2.exe of BUILD_DIR (the win32 build) driven
# as a user drives it, in a Wine session of its own. Extra arguments go to unittest.
#
# Where the kernel runs no 32-bit code, Wine's 32-bit loader runs under qemu-i386,
# registered in binfmt_misc for this run only: in a private binfmt_misc of a user
# namespace where the kernel offers one (nothing outside it sees the handler),
# else machine-wide and removed on exit. A handler found already working is left
# alone. Exits 77 (CTest: skipped) where none can be had.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scripts=$(cd "$here/../../scripts" && pwd)
. "$scripts/wine-common.sh"
build=$(realpath "${1:?usage: run.sh BUILD_DIR [TEST ...]}")
shift
suites=${*:-smoke}
binfmt=/proc/sys/fs/binfmt_misc
qemu=/usr/bin/qemu-i386
# i386 executables and shared objects. The kernel reads the \x escapes itself;
# F: it opens qemu now, so the handler serves in every mount namespace.
rule=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:'$qemu':F'

skip() { echo "PE32 suite ($suites) skipped: $*" >&2; exit 77; }
loader_runs() { "$WINE32" --version >/dev/null 2>&1; }

if [ -z "${ZORN2_PE32_BINFMT:-}" ]; then
  if loader_runs; then
    ZORN2_PE32_BINFMT=existing
  elif [ ! -x "$qemu" ]; then
    skip "$qemu is missing (package qemu-user)"
  elif unshare --user --map-root-user --mount sh -c "mount -t binfmt_misc binfmt_misc $binfmt" 2>/dev/null; then
    ZORN2_PE32_BINFMT=private exec unshare --user --map-root-user --mount "$0" "$build" "$@"
  else
    ZORN2_PE32_BINFMT=machine
  fi
fi

registered= session=
cleanup() {
  if [ -n "$session" ]; then "$scripts/wine-session.sh" stop "$session" || true; fi
  if [ -n "$registered" ]; then echo -1 >"$binfmt/qemu-i386"; fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

case $ZORN2_PE32_BINFMT in
  private)
    # A new mount is the namespace's own instance; the machine's, seen through
    # the copied mount table, would take the handler machine-wide.
    mount -t binfmt_misc binfmt_misc "$binfmt"
    printf '%s' "$rule" >"$binfmt/register"
    registered=1 ;;
  machine)
    [ -e "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt" 2>/dev/null || skip "binfmt_misc is not mounted and cannot be (root only)"
    [ ! -e "$binfmt/qemu-i386" ] || skip "$binfmt/qemu-i386 exists but does not run Wine's 32-bit loader; left alone"
    (printf '%s' "$rule" >"$binfmt/register") 2>/dev/null || skip "this machine refuses to register qemu-i386 in binfmt_misc"
    registered=1 ;;
esac
loader_runs || skip "Wine's 32-bit loader ($WINE32) does not run, even with qemu-i386 registered"
case $ZORN2_PE32_BINFMT in
  existing) echo "pe32: Wine's 32-bit loader runs as it is (Linux $(uname -r))" ;;
  *) echo "pe32: Wine's 32-bit loader runs under qemu-i386, registered in a $ZORN2_PE32_BINFMT binfmt_misc (Linux $(uname -r))" ;;
esac

started=$SECONDS
session=$build/wine-pe32  # beside, not inside, the session of this build's own tests
"$scripts/wine-session.sh" start "$session"
echo "pe32: Wine session ready in $((SECONDS - started)) s"
. "$session/env"
export WINE32 WINE64 ZORN2_BUILD=$build PYTHONPATH=$here/../e2e
cd "$here"
python3 -m unittest -v "${@:-smoke}"
