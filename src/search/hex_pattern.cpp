#include "search/hex_pattern.h"

namespace {

constexpr std::size_t maxPatternBytes = 32;

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string ParseHexPattern(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::string bytes;
  std::size_t next = 0;
  while (next < text.size() && bytes.size() < maxPatternBytes) {
    unsigned value = 0;
    for (std::size_t end = next + 2; next < end && next < text.size(); ++next) {
      int digit = DigitValue(text[next]);
      if (digit >= 0) value = value * 16 + static_cast<unsigned>(digit);
    }
    bytes.push_back(static_cast<char>(value & 0xFF));
  }
  return bytes.substr(0, bytes.find('\0'));
}
