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

CharClasses Build(CodePage codePage) {
  CharClasses tables{};
  for (int b = 0; b < 256; ++b) {
    auto byte = static_cast<unsigned char>(b);
    char32_t c = ByteToUnicode(codePage, byte);
    tables.classOf[b] = Classify(byte, c);
    int small = UnicodeToByte(codePage, ToSmall(c));
    tables.fold[b] = small >= 0 ? static_cast<unsigned char>(small) : byte;
  }
  return tables;
}

}  // namespace

const CharClasses& CharClassesFor(CodePage codePage) {
  static const CharClasses tables[5] = {Build(Ansi), Build(Oem), Build(Koi8), Build(Iso), Build(Mac)};
  return tables[codePage <= Mac ? codePage : Ansi];
}
