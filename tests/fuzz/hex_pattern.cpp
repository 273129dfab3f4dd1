// Hexadecimal search bytes and the pattern buffer on any typed text.
#include "search/hex_pattern.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "search/search_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string_view upToZero = text.substr(0, text.find('\0'));

  // Never more than 32 bytes, never a zero, never more bytes than character pairs.
  const std::string bytes = ParseHexPattern(text);
  FUZZ_CHECK(bytes.size() <= 32 && bytes.find('\0') == std::string::npos);
  FUZZ_CHECK(bytes.size() <= (upToZero.size() + 1) / 2);

  // The input's own bytes written as digits, in either case, come back: its first 32.
  static const char digits[] = "0123456789ABCDEF0123456789abcdef";
  std::string hex;
  const int offset = size % 2 == 0 ? 0 : 16;
  for (unsigned char b : upToZero.substr(0, 40)) hex += {digits[offset + b / 16], digits[offset + b % 16]};
  FUZZ_CHECK(ParseHexPattern(hex) == upToZero.substr(0, 32));

  // A pattern buffer takes any text: up to its zero, 32 bytes at most, terminated.
  PatternBuffer pattern;
  std::memset(pattern, 'x', sizeof pattern);
  SetPattern(pattern, text);
  const std::size_t kept = std::min<std::size_t>(upToZero.size(), 32);
  FUZZ_CHECK(pattern[kept] == '\0' && upToZero.substr(0, kept) == std::string_view(pattern, kept));
  return 0;
}
