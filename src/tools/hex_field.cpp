#include "tools/hex_field.h"

namespace {

std::optional<unsigned> DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

}  // namespace

std::optional<uint64_t> ParseHexField(std::string_view text) {
  uint64_t value = 0;
  for (char c : text) {
    std::optional<unsigned> digit = DigitValue(c);
    if (!digit || value >> 60 != 0) return std::nullopt;
    value = value << 4 | *digit;
  }
  return value;
}

std::optional<uint8_t> ParseByteField(std::string_view text) {
  std::optional<uint64_t> value = ParseHexField(text);
  if (!value) return std::nullopt;
  return static_cast<uint8_t>(*value);
}

std::array<char, 3> FormatByte(uint8_t value) {
  const char digits[] = "0123456789ABCDEF";
  return {digits[value >> 4], digits[value & 15], '\0'};
}
