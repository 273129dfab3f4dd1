// What each byte of a Cyrillic code page means in Unicode: for drawing bytes with
// Unicode GDI calls and for reading \uN escapes of RTF.
#pragma once
#include "codepages/code_pages.h"

// The Unicode character of `byte` in `codePage`; U+FFFD where the code page defines none,
// and for every byte >= 0x80 of Utf8, which has no single-byte meaning.
char16_t ByteToUnicode(CodePage codePage, unsigned char byte);

// The byte of `codePage` that means `character`, or -1 when the code page has none
// (for Utf8 above U+007F).
int UnicodeToByte(CodePage codePage, char32_t character);
