#include "iconv_charsets.h"

#include <iconv.h>

#include <stdexcept>
#include <string>

namespace {

const char* const iconvNames[5] = {"CP1251", "CP866", "KOI8-R", "ISO-8859-5", "MAC-CYRILLIC"};

char32_t DecodeByte(iconv_t converter, unsigned char byte) {
  char input = static_cast<char>(byte);
  unsigned char output[4] = {};
  char* in = &input;
  char* out = reinterpret_cast<char*>(output);
  size_t inLeft = 1;
  size_t outLeft = sizeof output;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || outLeft != 0) {
    return noCharacter;
  }
  return output[0] | output[1] << 8 | output[2] << 16 | static_cast<char32_t>(output[3]) << 24;
}

}  // namespace

std::array<char32_t, 256> DecodeWithIconv(CodePage codePage) {
  iconv_t converter = iconv_open("UTF-32LE", iconvNames[codePage]);
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error(std::string("iconv lacks ") + iconvNames[codePage]);
  }
  std::array<char32_t, 256> characters;
  for (int b = 0; b < 256; ++b) characters[b] = DecodeByte(converter, static_cast<unsigned char>(b));
  iconv_close(converter);
  return characters;
}

int PublishedMapping(CodePage source, CodePage target, unsigned char byte) {
  static const std::array<std::array<char32_t, 256>, 5> decoded = [] {
    std::array<std::array<char32_t, 256>, 5> all;
    for (int cp = Ansi; cp <= Mac; ++cp) all[cp] = DecodeWithIconv(static_cast<CodePage>(cp));
    return all;
  }();
  char32_t character = decoded[source][byte];
  if (character == noCharacter) return -1;
  for (int b = 0; b < 256; ++b) {
    if (decoded[target][b] == character) return b;
  }
  return -1;
}
