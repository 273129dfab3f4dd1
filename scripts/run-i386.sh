#!/usr/bin/env bash
# Runs a 32-bit Linux program (the native32 build's tests and zorn2-text):
# directly where the kernel runs 32-bit code, else under Debian's qemu-i386.
# The answer is kept in ZORN2_KERNEL_RUNS_I386 for the programs a test starts;
# setting it to "no" forces qemu.
set -euo pipefail
if [ -z "${ZORN2_KERNEL_RUNS_I386:-}" ]; then
  if [ "$("$(dirname "$0")/windows-preset.sh")" = win32 ]; then ZORN2_KERNEL_RUNS_I386=yes; else ZORN2_KERNEL_RUNS_I386=no; fi
  export ZORN2_KERNEL_RUNS_I386
fi
if [ "$ZORN2_KERNEL_RUNS_I386" = yes ]; then exec "$@"; fi
exec qemu-i386 "$@"
