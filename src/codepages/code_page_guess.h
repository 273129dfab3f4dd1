// The guess of a text's code page from the letters at its start.
#pragma once
#include <cstddef>
#include <string_view>

#include "codepages/code_pages.h"

// How many bytes of the start of a text the guess looks at.
constexpr std::size_t codePageGuessSample = 1277;

// Ansi, Oem or Koi8 for a text starting with `textStart` (only its first codePageGuessSample
// bytes count). Oem wins when frequent DOS-866 bytes outnumber frequent Windows-1251 lower-case
// letters; otherwise Koi8 when a KOI8-R capital followed by a small letter comes after a
// non-letter anywhere in the sample; otherwise Ansi, so an empty text and a tie without that
// pattern give Ansi.
CodePage GuessViewCodePage(std::string_view textStart);

// Whether the first codePageGuessSample bytes of `textStart` are UTF-8 with at least one
// character of two bytes or more; a sequence the sample's end cuts short counts as valid.
bool SampleLooksLikeUtf8(std::string_view textStart);

// The view code page a text just loaded is shown in: Utf8 when SampleLooksLikeUtf8, else
// GuessViewCodePage.
CodePage GuessLoadedView(std::string_view textStart);
