#!/bin/sh
# Makes the RTF test data of tests/data/rtf from russian.txt with real word processors, and the
# plain texts the RTF reader must give back in each view code page. Run by hand when the sample
# changes; the tests only read the committed files. Needs (one-off, not a build dependency):
#   apt-get install -y --no-install-recommends libreoffice-writer-nogui abiword
#
#   russian-libreoffice.rtf      LibreOffice from the text: \uN with one-byte fallbacks (\'3f, \'97)
#   russian-libreoffice-doc.rtf  LibreOffice via a Word 97 .doc: \uc2 with two-byte fallbacks
#   russian-abiword.rtf          AbiWord: \uc0\uN with delimiting blanks, Latin-1 \'ab \'bb
#   russian.cp1251.txt, russian.cp866.txt, russian.koi8-r.txt: the text with CR LF line ends;
#     for DOS-866 and KOI8-R the characters they lack are written as the reader writes them
#     (guillemets and low/high quotes as '"', dashes as '-', the ellipsis as "...", KOI8-R's № as N).
set -eu
data=$(cd "$(dirname "$0")/../tests/data/rtf" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

export HOME="$work"  # a private LibreOffice profile
cp "$data/russian.txt" sample.txt
soffice --headless --infilter="Text (encoded):UTF8,LF,,," --convert-to rtf sample.txt >/dev/null
mv sample.rtf "$data/russian-libreoffice.rtf"

soffice --headless --infilter="Text (encoded):UTF8,LF,,," --convert-to 'doc:MS Word 97' sample.txt >/dev/null
soffice --headless --convert-to rtf sample.doc >/dev/null
mv sample.rtf "$data/russian-libreoffice-doc.rtf"

# AbiWord makes a final empty paragraph of a text's last line end: give it the text without one.
printf '%s' "$(cat sample.txt)" > abiword.txt
LC_ALL=ru_RU.UTF-8 abiword --to=rtf --to-name=abiword.rtf abiword.txt 2>/dev/null
mv abiword.rtf "$data/russian-abiword.rtf"

crlf() { sed 's/$/\r/'; }
crlf < sample.txt | iconv -f UTF-8 -t CP1251 > "$data/russian.cp1251.txt"
plain='s/[«»„“”]/"/g; s/[—–]/-/g; s/…/.../g'
sed "$plain" sample.txt | crlf | iconv -f UTF-8 -t CP866 > "$data/russian.cp866.txt"
sed "$plain; s/№/N/g" sample.txt | crlf | iconv -f UTF-8 -t KOI8-R > "$data/russian.koi8-r.txt"
