#include "engine/target_text.h"

#include <cstring>

#include "codepages/unicode_maps.h"

namespace {

// How to show a character the target lacks: first `alternative` if the target has it, else `plain`.
struct Substitute {
  char32_t first, last;
  char32_t alternative;
  const char* plain;
};

const Substitute substitutes[] = {
    {0x00AB, 0x00AB, 0, "\""},     {0x00BB, 0x00BB, 0, "\""},  // guillemets
    {0x00AD, 0x00AD, 0, ""},                                    // soft hyphen: invisible unless a word breaks there
    {0x2000, 0x200A, 0, " "},                                   // typographic blanks
    {0x200B, 0x200F, 0, ""},                                    // zero-width marks
    {0x2010, 0x2015, 0, "-"},                                   // hyphens and dashes
    {0x2018, 0x201B, 0, "'"},      {0x201C, 0x201F, 0, "\""},  // quotation marks
    {0x2022, 0x2022, 0x2219, "*"},                              // bullet
    {0x2026, 0x2026, 0, "..."},
    {0x202F, 0x202F, 0x00A0, " "},                              // narrow no-break space
    {0x2032, 0x2032, 0, "'"},      {0x2033, 0x2033, 0, "\""},  // primes
    {0x2060, 0x2060, 0, ""},       {0xFEFF, 0xFEFF, 0, ""},    // word joiners
    {0x2116, 0x2116, 0, "N"},                                   // numero sign
    {0x2212, 0x2212, 0, "-"},                                   // minus
};

}  // namespace

TargetText::TargetText(CodePage target, std::size_t expectedSize) : target_(target) {
  text_.reserve(expectedSize);
}

void TargetText::AppendEncoded(char32_t character) {
  Encoding& slot = recent_[character & 0xFF];
  if (slot.character != character) slot = Encode(character);
  text_.append(slot.bytes, slot.length);
}

TargetText::Encoding TargetText::Encode(char32_t character) const {
  Encoding encoding;
  encoding.character = character;
  if (target_ == Utf8) {
    encoding.length = static_cast<unsigned char>(EncodeUtf8(character, encoding.bytes));
    if (encoding.length == 0) encoding.bytes[encoding.length++] = '?';  // a lone surrogate
    return encoding;
  }
  int byte = UnicodeToByte(target_, character);
  const char* plain = "?";
  if (byte < 0) {
    for (const Substitute& s : substitutes) {
      if (character < s.first || character > s.last) continue;
      if (s.alternative != 0) byte = UnicodeToByte(target_, s.alternative);
      plain = s.plain;
      break;
    }
  }
  if (byte >= 0) {
    encoding.length = 1;
    encoding.bytes[0] = static_cast<char>(byte);
  } else {
    encoding.length = static_cast<unsigned char>(std::strlen(plain));
    std::memcpy(encoding.bytes, plain, encoding.length);
  }
  return encoding;
}
