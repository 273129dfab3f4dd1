#include "engine/char_classes.h"

#include "codepages/unicode_maps.h"

namespace {

bool IsLetter(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z')) return true;
  if (c >= 0x00C0 && c <= 0x00FF) return c != 0x00D7 && c != 0x00F7;  // Latin-1 letters
  return c >= 0x0400 && c <= 0x04FF;                                  // Cyrillic
}

char32_t ToSmall(char32_t c) {
  if (c >= U'A' && c <= U'Z') return c + 0x20;
  if (c >= 0x00C0 && c <= 0x00DE && c != 0x00D7) return c + 0x20;
  if (c >= 0x0410 && c <= 0x042F) return c + 0x20;
  if (c >= 0x0400 && c <= 0x040F) return c + 0x50;                 // Yo, Ukrainian and Serbian letters
  if (c >= 0x0460 && c <= 0x04BF && c % 2 == 0 && (c <= 0x0481 || c >= 0x048A)) return c + 1;  // Ghe with upturn and others
  return c;
}

ByteClass Classify(unsigned char byte, char32_t c) {
  if (byte == '\r' || byte == '\n') return ByteClass::Break;
  if (c == U' ' || c == U'\t' || c == 0x0B || c == 0x0C || c == 0x00A0) return ByteClass::Blank;
  if ((c >= U'0' && c <= U'9') || IsLetter(c)) return ByteClass::Word;
  return ByteClass::Other;
}

// Beyond Latin-1, what is neither a blank nor in a block of punctuation and
// symbols is taken for a letter: Greek, Cyrillic, CJK and the rest.
struct Range {
  char32_t first, last;
  ByteClass kind;
};
constexpr Range wideClasses[] = {
    {0x2000, 0x200A, ByteClass::Blank},  {0x2028, 0x2029, ByteClass::Blank}, {0x202F, 0x202F, ByteClass::Blank},
    {0x205F, 0x205F, ByteClass::Blank},  {0x3000, 0x3000, ByteClass::Blank}, {0x2010, 0x2027, ByteClass::Other},
    {0x2030, 0x205E, ByteClass::Other},  {0x2100, 0x2BFF, ByteClass::Other}, {0x3001, 0x303F, ByteClass::Other},
    {0xFE30, 0xFE4F, ByteClass::Other},  {0xFF01, 0xFF0F, ByteClass::Other}, {0xFF1A, 0xFF20, ByteClass::Other},
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

ByteClass ClassOfCharacter(char32_t c) {
  if (c < 0x100) return Classify(c < 0x80 ? static_cast<unsigned char>(c) : 0x80, c);
  for (const Range& range : wideClasses) {
    if (c >= range.first && c <= range.last) return range.kind;
  }
  return ByteClass::Word;
}
