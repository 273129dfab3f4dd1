// The tests' oracles for code-page data, independent of how the program's data was produced: what each
// byte means according to glibc's iconv(3), the conversion tables' published mappings rebuilt from it, and
// real Russian text (the fortunes-ru package's collections).
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "codepages/code_pages.h"

// Marks a byte that iconv does not define in a code page.
constexpr char32_t noCharacter = 0xFFFFFFFF;

// The Unicode character of every byte of `codePage`, or noCharacter.
std::array<char32_t, 256> DecodeWithIconv(CodePage codePage);

// The byte of `target` that means the same character as `byte` of `source`,
// or -1 when `target` lacks that character: the published mapping between them.
int PublishedMapping(CodePage source, CodePage target, unsigned char byte);

// The named collection (a file under /usr/share/games/fortunes/ru) in UTF-8; throws when the package is missing.
std::string RussianText(const std::string& name);

// `utf8` in `charset` (an iconv name such as "CP866"); characters the charset lacks are left out.
std::string ConvertFromUtf8(std::string_view utf8, const char* charset);

// What table `table` (0..8) makes of the byte b >= 0x80: iconv's mapping where both pages have the
// character, else (a look-alike, transliteration) the generated table's own entry.
int OracleTableEntry(int table, unsigned char b);

// What the passes of RecodeBytes make of one byte, using the oracle's tables.
unsigned char OracleRoute(int fromTable, int toTable, unsigned char b);
