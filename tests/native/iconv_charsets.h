// What each byte of a code page means according to glibc's iconv(3): the tests'
// oracle for code-page data, independent of how that data was produced.
#pragma once
#include <array>

#include "conversion/code_pages.h"

// Marks a byte that iconv does not define in a code page.
constexpr char32_t noCharacter = 0xFFFFFFFF;

// The Unicode character of every byte of `codePage`, or noCharacter.
std::array<char32_t, 256> DecodeWithIconv(CodePage codePage);

// The byte of `target` that means the same character as `byte` of `source`,
// or -1 when `target` lacks that character: the published mapping between them.
int PublishedMapping(CodePage source, CodePage target, unsigned char byte);
