#!/usr/bin/env bash
# The release files of a win32 build, in OUT_DIR:
#   zorn2-VERSION-win32.zip  the program, its guide with pictures, the welcome text, the licence
#   zorn2-VERSION-win32.msi  the same files, installed per user (packaging/zorn2.wxs)
#   SHA256SUMS               of both
# VERSION is the project's one (CMakeLists.txt, read from the build's cache) unless
# given: the tests build a later one to install over the first.
#
#   dist.sh BUILD_DIR OUT_DIR [VERSION]
set -euo pipefail
export LC_ALL=C  # the tools' messages and sort order as the checks below read them
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath "${1:?usage: dist.sh BUILD_DIR OUT_DIR [VERSION]}")
out=$(realpath -m "${2:?usage: dist.sh BUILD_DIR OUT_DIR [VERSION]}")
version=${3:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")}
fail() { echo "dist: $*" >&2; exit 1; }
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "no version a.b.c for $build (got '$version')"
name=zorn2-$version-win32

# Only the shipped program: a PE32 whose debug sections stayed in zorn2.debug.
exe=$build/zorn2.exe
"$root/scripts/check-program.sh" "$exe" >/dev/null
! i686-w64-mingw32-objdump -h "$exe" | grep -q '\.debug_' || fail "$exe still carries debug sections"

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
files=$stage/files
mkdir -p "$files/help"
cp "$exe" "$files/zorn2.exe"
cp "$build/welcome.txt" "$files/welcome.txt"
cp "$root/LICENSE" "$files/LICENSE.txt"
cp "$root/docs/zorn2.html" "$files/help/zorn2.html"
# The guide's pictures, each named once beside it, and nothing else of docs/.
for picture in $(grep -o 'src="[^"/]*"' "$root/docs/zorn2.html" | sed 's/^src="//; s/"$//' | sort -u); do
  cp "$root/docs/$picture" "$files/help/$picture" || fail "the guide shows $picture, which docs/ lacks"
done

# The same bytes, names, order and times from every run: the commit's time stands for each file's.
stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 315532800)
find "$files" -type f -exec chmod 644 {} + -exec touch -d "@$stamp" {} +
list=$(cd "$files" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)

mkdir -p "$out"
rm -f "$out"/zorn2-*-win32.zip "$out"/zorn2-*-win32.msi "$out/SHA256SUMS"
(cd "$files" && TZ=UTC zip -X -D -9 -q "$stage/$name.zip" $list)

(cd "$files" && wixl-heat --directory-ref INSTALLFOLDER --component-group ProgramFiles --var var.SourceDir -p "" \
  <<<"$list" >"$stage/files.wxs")
# wixl takes file names relative to the folder it runs in.
cp "$root/src/resources/images/zorn2.ico" "$stage/zorn2.ico"
(cd "$stage" && wixl -a x86 -D Version="$version" -D SourceDir=files -D IconFile=zorn2.ico -o "$name.msi" \
  "$root/packaging/zorn2.wxs" files.wxs)

mv "$stage/$name.zip" "$stage/$name.msi" "$out/"
(cd "$out" && sha256sum "$name.zip" "$name.msi" >SHA256SUMS)
ls -l "$out/$name.zip" "$out/$name.msi" | awk '{print "dist: " $NF ", " $5 " bytes"}'
