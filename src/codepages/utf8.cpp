#include "codepages/utf8.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr unsigned char continuationLow = 0x80, continuationHigh = 0xBF;
constexpr std::uint64_t highBits = 0x8080808080808080u;

// What a lead byte promises: the sequence's length and the range of its second byte, which
// is where overlong forms, surrogates and numbers above U+10FFFF are refused.
struct Lead {
  unsigned char length;  // 0: the byte starts no sequence
  unsigned char secondLow, secondHigh;
  unsigned char payloadMask;
};

Lead LeadOf(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return {2, continuationLow, continuationHigh, 0x1F};
  if (b == 0xE0) return {3, 0xA0, continuationHigh, 0x0F};            // shorter forms are overlong
  if (b == 0xED) return {3, continuationLow, 0x9F, 0x0F};             // ED A0.. are surrogates
  if (b >= 0xE1 && b <= 0xEF) return {3, continuationLow, continuationHigh, 0x0F};
  if (b == 0xF0) return {4, 0x90, continuationHigh, 0x07};            // shorter forms are overlong
  if (b >= 0xF1 && b <= 0xF3) return {4, continuationLow, continuationHigh, 0x07};
  if (b == 0xF4) return {4, continuationLow, 0x8F, 0x07};             // F4 90.. is above U+10FFFF
  return {0, 0, 0, 0};  // ASCII is not asked; 80..C1 and F5..FF start nothing
}

}  // namespace

Utf8Sequence DecodeUtf8(const unsigned char* at, std::size_t available) {
  if (at[0] < 0x80) return {Utf8Status::Valid, 1, at[0]};
  const Lead lead = LeadOf(at[0]);
  if (lead.length == 0) return {Utf8Status::Invalid, 1, 0};
  char32_t codePoint = at[0] & lead.payloadMask;
  for (unsigned char i = 1; i < lead.length; ++i) {
    if (i >= available) return {Utf8Status::Cut, static_cast<unsigned char>(available), 0};
    const unsigned char low = i == 1 ? lead.secondLow : continuationLow;
    const unsigned char high = i == 1 ? lead.secondHigh : continuationHigh;
    if (at[i] < low || at[i] > high) return {Utf8Status::Invalid, 1, 0};
    codePoint = (codePoint << 6) | (at[i] & 0x3F);
  }
  return {Utf8Status::Valid, lead.length, codePoint};
}

std::size_t AsciiRunLength(const unsigned char* at, std::size_t available) {
  std::size_t n = 0;
  for (std::uint64_t word; n + sizeof word <= available; n += sizeof word) {
    std::memcpy(&word, at + n, sizeof word);
    if (word & highBits) break;
  }
  while (n < available && at[n] < 0x80) ++n;
  return n;
}

std::size_t EncodeUtf8(char32_t codePoint, char* out) {
  auto put = [out](std::size_t i, char32_t bits) { out[i] = static_cast<char>(bits); };
  if (codePoint < 0x80) {
    put(0, codePoint);
    return 1;
  }
  if (codePoint < 0x800) {
    put(0, 0xC0 | (codePoint >> 6));
    put(1, 0x80 | (codePoint & 0x3F));
    return 2;
  }
  if (codePoint >= 0xD800 && codePoint <= 0xDFFF) return 0;
  if (codePoint < 0x10000) {
    put(0, 0xE0 | (codePoint >> 12));
    put(1, 0x80 | ((codePoint >> 6) & 0x3F));
    put(2, 0x80 | (codePoint & 0x3F));
    return 3;
  }
  if (codePoint > maxCodePoint) return 0;
  put(0, 0xF0 | (codePoint >> 18));
  put(1, 0x80 | ((codePoint >> 12) & 0x3F));
  put(2, 0x80 | ((codePoint >> 6) & 0x3F));
  put(3, 0x80 | (codePoint & 0x3F));
  return 4;
}

std::size_t Utf8CharacterCount(const unsigned char* at, std::size_t length) {
  std::size_t count = 0;
  const unsigned char* const end = at + length;
  while (at < end) {
    const std::size_t ascii = AsciiRunLength(at, static_cast<std::size_t>(end - at));
    count += ascii;
    at += ascii;
    if (at == end) break;
    const Utf8Sequence sequence = DecodeUtf8(at, static_cast<std::size_t>(end - at));
    at += sequence.status == Utf8Status::Valid ? sequence.length : 1;
    ++count;
  }
  return count;
}

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;
constexpr char32_t firstHighSurrogate = 0xD800, firstLowSurrogate = 0xDC00, lastLowSurrogate = 0xDFFF;
constexpr char32_t firstSupplementary = 0x10000;

}  // namespace

std::u16string Utf16FromUtf8(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  const auto* at = reinterpret_cast<const unsigned char*>(utf8.data());
  const unsigned char* const end = at + utf8.size();
  while (at < end) {
    const Utf8Sequence sequence = DecodeUtf8(at, static_cast<std::size_t>(end - at));
    const bool valid = sequence.status == Utf8Status::Valid;
    const char32_t c = valid ? sequence.codePoint : replacementCharacter;
    at += valid ? sequence.length : 1;
    if (c < firstSupplementary) {
      out.push_back(static_cast<char16_t>(c));
    } else {
      out.push_back(static_cast<char16_t>(firstHighSurrogate + ((c - firstSupplementary) >> 10)));
      out.push_back(static_cast<char16_t>(firstLowSurrogate + ((c - firstSupplementary) & 0x3FF)));
    }
  }
  return out;
}

std::string Utf8FromUtf16(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t c = utf16[i];
    const bool high = c >= firstHighSurrogate && c < firstLowSurrogate;
    const bool low = c >= firstLowSurrogate && c <= lastLowSurrogate;
    const char16_t next = i + 1 < utf16.size() ? utf16[i + 1] : u'\0';
    const bool lowFollows = next >= firstLowSurrogate && next <= lastLowSurrogate;
    if (high && lowFollows) {
      c = firstSupplementary + ((c - firstHighSurrogate) << 10) + (utf16[++i] - firstLowSurrogate);
    } else if (high || low) {
      c = replacementCharacter;
    }
    char bytes[maxUtf8Length];
    out.append(bytes, EncodeUtf8(c, bytes));
  }
  return out;
}
