// The look-alikes are read from the conversion tables themselves, so a character that
// reaches a page from UTF-8 looks as it does when a single-byte text is recoded there.
#include "codepages/look_alikes.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "codepages/unicode_maps.h"

namespace {

constexpr char32_t noCharacter = 0xFFFD;
constexpr char32_t bullet = 0x2022, bulletOperator = 0x2219, ellipsis = 0x2026;
// A look-alike may lack in the page too (╕ → ¬ → ┐): a few steps, since the tables pair
// some signs both ways (¦ and │).
constexpr int maxLookAlikeSteps = 3;

// The tables that write a look-alike for what their target lacks, in order of precedence:
// Windows-1251's own signs first (© becomes c, not KOI8-R's ¤).
struct LookAlikeTable {
  ConversionTableNumber table;
  CodePage source, target;
};
const LookAlikeTable lookAlikeTables[] = {
    {AnsiToOem, Ansi, Oem}, {OemToAnsi, Oem, Ansi}, {OemToKoi8, Oem, Koi8}, {Koi8ToOem, Koi8, Oem}, {MacToOem, Mac, Oem},
};

using LookAlikes = std::vector<std::pair<char32_t, char32_t>>;  // sorted by the first

void AddFromTable(const LookAlikeTable& rule, LookAlikes& found) {
  for (int b = 0x80; b < 0x100; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    const char32_t character = ByteToUnicode(rule.source, byte);
    if (character == noCharacter || UnicodeToByte(rule.target, character) >= 0) continue;
    const unsigned char written = ConvertByte(rule.table, byte);
    // '?' is no look-alike; DOS control codes (• § ¶ as 07 15 14) are glyphs only on a DOS
    // screen; a kept byte (Mac to DOS-866) means another character.
    if (written == '?' || written < ' ' || written == byte) continue;
    // The first table to name a character wins.
    auto named = [character](const auto& entry) { return entry.first == character; };
    if (std::none_of(found.begin(), found.end(), named)) found.emplace_back(character, ByteToUnicode(rule.target, written));
  }
}

LookAlikes ReadLookAlikes() {
  LookAlikes found{{bullet, bulletOperator}};  // the pair DOS-866 to Windows-1251 makes, the other way
  for (const LookAlikeTable& rule : lookAlikeTables) AddFromTable(rule, found);
  std::sort(found.begin(), found.end());
  return found;
}

char32_t LookAlikeOf(char32_t character) {
  static const LookAlikes lookAlikes = ReadLookAlikes();
  auto it = std::lower_bound(lookAlikes.begin(), lookAlikes.end(), character,
                             [](const auto& entry, char32_t c) { return entry.first < c; });
  return it != lookAlikes.end() && it->first == character ? it->second : noCharacter;
}

PageSpelling Plain(const char* text, unsigned char length) {
  PageSpelling spelling{{}, length, true};
  std::copy(text, text + length, spelling.bytes);
  return spelling;
}

}  // namespace

PageSpelling SpellInPage(CodePage target, char32_t character) {
  if (character == ellipsis && UnicodeToByte(target, character) < 0) return Plain("...", 3);
  char32_t c = character;
  for (int step = 0; step <= maxLookAlikeSteps && c != noCharacter; ++step) {
    const int byte = UnicodeToByte(target, c);
    if (byte >= 0) return {{static_cast<char>(byte)}, 1, step > 0};
    c = LookAlikeOf(c);
  }
  return Plain("?", 1);
}
