#include "codepages/code_page_guess.h"

#include <algorithm>

#include "codepages/utf8.h"

namespace {

// т у ы ь ю я in Windows-1251.
bool FrequentAnsi(unsigned char b) {
  return b == 0xF2 || b == 0xF3 || b == 0xFB || b == 0xFC || b == 0xFE || b == 0xFF;
}

// Frequent DOS-866 letters (А Е И О У а е и к) and box-drawing characters.
bool FrequentOem(unsigned char b) {
  switch (b) {
    case 0x80: case 0x85: case 0x88: case 0x8E: case 0x93: case 0xA0: case 0xA5: case 0xA8:
    case 0xAA: case 0xB0: case 0xB1: case 0xB2: case 0xB4: case 0xBA: case 0xBF:
      return true;
    default:
      return false;
  }
}

// A KOI8-R capital (E0..FF) then a small letter (C0..DF) after a byte below 'a'.
bool KoiWordStart(unsigned char before, unsigned char capital, unsigned char small) {
  return before < 0x61 && capital >= 0xE0 && small >= 0xC0 && small <= 0xDF;
}

}  // namespace

CodePage GuessViewCodePage(std::string_view textStart) {
  const std::string_view sample = textStart.substr(0, std::min(textStart.size(), codePageGuessSample));
  // Bytes past the end of the sample read as 0.
  auto at = [&](std::size_t i) { return i < sample.size() ? static_cast<unsigned char>(sample[i]) : 0; };
  long ansiHits = 0, oemHits = 0, koiHits = 0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    const unsigned char b = at(i);
    if (FrequentAnsi(b)) {
      ++ansiHits;
    } else if (FrequentOem(b)) {
      ++oemHits;
    }
    if (KoiWordStart(b, at(i + 1), at(i + 2))) ++koiHits;
  }
  if (oemHits > ansiHits) return Oem;
  return koiHits > 0 ? Koi8 : Ansi;
}

bool SampleLooksLikeUtf8(std::string_view textStart) {
  const auto* at = reinterpret_cast<const unsigned char*>(textStart.data());
  const std::size_t size = std::min(textStart.size(), codePageGuessSample);
  bool multiByte = false;
  for (std::size_t i = AsciiRunLength(at, size); i < size; i += AsciiRunLength(at + i, size - i)) {
    const Utf8Sequence sequence = DecodeUtf8(at + i, size - i);
    if (sequence.status == Utf8Status::Invalid) return false;
    if (sequence.status == Utf8Status::Cut) break;
    multiByte = true;
    i += sequence.length;
  }
  return multiByte;
}

CodePage GuessLoadedView(std::string_view textStart) {
  return SampleLooksLikeUtf8(textStart) ? Utf8 : GuessViewCodePage(textStart);
}
