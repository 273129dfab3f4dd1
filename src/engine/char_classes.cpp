#include "engine/char_classes.h"

#include <array>

#include "codepages/unicode_maps.h"

namespace {

bool IsLetter(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) return true;
  if (c >= 0x00C0 && c <= 0x00FF) return c != 0x00D7 && c != 0x00F7;  // Latin-1 letters
  return c >= 0x0400 && c <= 0x04FF;                                  // Cyrillic
}

ByteClass Classify(unsigned char byte, char32_t c) {
  if (byte == '\r' || byte == '\n') return ByteClass::Break;
  if (c == U' ' || c == U'\t' || c == 0x0B || c == 0x0C || c == 0x00A0) return ByteClass::Blank;
  if ((c >= U'0' && c <= U'9') || IsLetter(c)) return ByteClass::Word;
  return ByteClass::Other;
}

// Beyond Latin-1, what is neither a blank nor in a block of punctuation and
// symbols is taken for a letter: Greek, Cyrillic, CJK and the rest. The format
// characters of General Punctuation and the byte-order mark are no letters, so
// a word at the start of a file saved with a BOM is whole. The first range that
// holds a character gives its class.
struct Range {
  char32_t first, last;
  ByteClass kind;
};
constexpr Range wideClasses[] = {
    {0x2000, 0x200A, ByteClass::Blank},  {0x2028, 0x2029, ByteClass::Blank}, {0x202F, 0x202F, ByteClass::Blank},
    {0x205F, 0x205F, ByteClass::Blank},  {0x3000, 0x3000, ByteClass::Blank}, {0x2000, 0x206F, ByteClass::Other},
    {0x2100, 0x2BFF, ByteClass::Other},  {0x3001, 0x303F, ByteClass::Other}, {0xFE30, 0xFE4F, ByteClass::Other},
    {0xFEFF, 0xFEFF, ByteClass::Other},  {0xFF01, 0xFF0F, ByteClass::Other}, {0xFF1A, 0xFF20, ByteClass::Other},
    {0x1F000, 0x1FAFF, ByteClass::Other},  // emoji and other pictographs
};

CharClasses Build(CodePage codePage) {
  CharClasses tables{};
  for (int b = 0; b < 256; ++b) {
    auto byte = static_cast<unsigned char>(b);
    char32_t c = ByteToUnicode(codePage, byte);
    // A byte of a UTF-8 sequence counts as a letter: whole words end at ASCII.
    tables.classOf[b] = codePage == Utf8 && b >= 0x80 ? ByteClass::Word : Classify(byte, c);
    int small = UnicodeToByte(codePage, ToSmall(c));
    tables.fold[b] = small >= 0 ? static_cast<unsigned char>(small) : byte;
  }
  return tables;
}

}  // namespace

const CharClasses& CharClassesFor(CodePage codePage) {
  static const CharClasses tables[] = {Build(Ansi), Build(Oem), Build(Koi8), Build(Iso), Build(Mac), Build(Utf8)};
  return tables[codePage <= Utf8 ? codePage : Ansi];
}

// Every character ToSmall changes, and every small letter it gives, lies below this.
constexpr char32_t caseMapEnd = 0x0500;

char32_t ToSmall(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;                 // Yo, Ukrainian and Serbian letters
  if (c >= 0x0460 && c <= 0x04BF && c % 2 == 0 && (c <= 0x0481 || c >= 0x048A)) return c + 1;  // Ghe with upturn and others
  if (c == 0x04C0) return 0x04CF;                                   // palochka
  if (c >= 0x04C1 && c <= 0x04CE && c % 2 == 1) return c + 1;
  if (c >= 0x04D0 && c < caseMapEnd && c % 2 == 0) return c + 1;
  return c;
}

// ToSmall turned round, so that the UTF-8 view folds exactly as the code pages do.
char32_t ToCapital(char32_t c) {
  static const auto capitals = [] {
    std::array<char16_t, caseMapEnd> table{};
    for (char32_t k = 0; k < caseMapEnd; ++k) table[k] = static_cast<char16_t>(k);
    for (char32_t k = 0; k < caseMapEnd; ++k) {
      if (ToSmall(k) != k) table[ToSmall(k)] = static_cast<char16_t>(k);
    }
    return table;
  }();
  return c < caseMapEnd ? capitals[c] : c;
}

ByteClass ClassOfCharacter(char32_t c) {
  if (c < 0x100) return Classify(c < 0x80 ? static_cast<unsigned char>(c) : 0x80, c);
  for (const Range& range : wideClasses) {
    if (c >= range.first && c <= range.last) return range.kind;
  }
  return ByteClass::Word;
}
