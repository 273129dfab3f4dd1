// UTF-8 as RFC 3629 defines it: one to four bytes a character, the shortest form only,
// no surrogates (U+D800..U+DFFF) and nothing above U+10FFFF.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t maxUtf8Length = 4;
constexpr char32_t maxCodePoint = 0x10FFFF;

enum class Utf8Status : unsigned char {
  Valid,
  Invalid,  // the first byte starts no character here; the next one may
  Cut,      // a valid start that the end of the bytes given cuts short
};

struct Utf8Sequence {
  Utf8Status status;
  unsigned char length;  // Valid: the sequence's bytes; Invalid: 1; Cut: all the bytes given
  char32_t codePoint;    // Valid only
};

// The sequence at `at`, of which `available` (at least 1) bytes are readable.
Utf8Sequence DecodeUtf8(const unsigned char* at, std::size_t available);

// How many bytes below 0x80 stand at `at`, looked at a machine word at a time.
std::size_t AsciiRunLength(const unsigned char* at, std::size_t available);

// Writes the UTF-8 form of `codePoint` (at most maxUtf8Length bytes) and returns its length;
// 0, writing nothing, for a surrogate or a number above U+10FFFF.
std::size_t EncodeUtf8(char32_t codePoint, char* out);

// How many characters `length` bytes at `at` hold, a byte that starts no valid character
// (or one cut short by the end) counted as one of its own, as the UTF-8 view shows it.
std::size_t Utf8CharacterCount(const unsigned char* at, std::size_t length);

// UTF-16 as other programs exchange text (the clipboard's CF_UNICODETEXT): a byte that starts
// no valid character becomes U+FFFD; so does a surrogate that is not half of a pair.
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);
