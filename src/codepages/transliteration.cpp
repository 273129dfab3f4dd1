// One 256-entry map per call: the route into DOS-866, the first Latin letter and
// the second letter are folded together, so each byte costs one lookup.
#include "codepages/transliteration.h"

#include <array>

#include "codepages/buffer_size.h"

namespace {

// The second letter after a DOS-866 byte, or 0 when there is none.
char SecondLetter(unsigned char oem) {
  switch (oem) {
    case 0x86: case 0x97: case 0x98: case 0x99: return 'H';  // Ж Ч Ш Щ
    case 0x9E: return 'U';                                   // Ю
    case 0x9F: return 'A';                                   // Я
    case 0xA6: case 0xE7: case 0xE8: case 0xE9: return 'h';  // ж ч ш щ
    case 0xEE: return 'u';                                   // ю
    case 0xEF: return 'a';                                   // я
    default: return 0;
  }
}

struct TranslitMap {
  std::array<char, 256> first;
  std::array<char, 256> second;
};

TranslitMap MapFor(CodePage source) {
  TranslitMap map;
  const int toOem = source < codePageCount ? toOemTable[source] : NoTable;
  for (int b = 0; b < 256; ++b) {
    const unsigned char oem = ConvertByte(toOem, static_cast<unsigned char>(b));
    map.first[b] = static_cast<char>(b < 0x80 ? b : ConvertByte(OemToTranslit, oem));
    map.second[b] = b < 0x80 ? 0 : SecondLetter(oem);
  }
  return map;
}

}  // namespace

std::string Transliterate(std::string_view text, CodePage source) {
  const TranslitMap map = MapFor(source);
  std::size_t seconds = 0;  // counted first: the result is made at its size, not at twice the text's
  for (char c : text) seconds += map.second[static_cast<unsigned char>(c)] != 0;
  std::string out;
  out.resize(BufferSize(text.size(), 1, seconds, out.max_size()));
  std::size_t n = 0;
  for (char c : text) {
    const auto b = static_cast<unsigned char>(c);
    out[n++] = map.first[b];
    if (map.second[b] != 0) out[n++] = map.second[b];
  }
  out.resize(n);
  return out;
}
