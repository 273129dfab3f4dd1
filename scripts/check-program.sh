#!/usr/bin/env bash
# Checks the shipped zorn2.exe: a PE32 (i686) program for the Windows GUI
# subsystem (no console window) that needs only DLLs every Windows system has,
# with a well-formed manifest, its version and its icon (check-resources.py).
set -euo pipefail
exe=${1:?usage: check-program.sh zorn2.exe}
headers=$(i686-w64-mingw32-objdump -p "$exe")
fail() { echo "check-program: $exe: $*" >&2; exit 1; }
grep -q 'Magic.*(PE32)$' <<<"$headers" || fail "not a PE32 image"
grep -q 'file format pei-i386' <<<"$headers" || fail "not an i386 image"
grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "not a GUI program"
system='^(kernel32|user32|gdi32|advapi32|comctl32|comdlg32|shell32|msvcrt|ole32|winspool\.drv)(\.dll)?$'
while read -r dll; do
  grep -qiE "$system" <<<"$dll" || fail "needs a DLL that is not part of Windows: $dll"
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")
"$(dirname "$0")/check-resources.py" "$exe" || fail "its resources are not what Windows needs"
echo "check-program: $exe is a PE32 GUI program that needs only system DLLs"
