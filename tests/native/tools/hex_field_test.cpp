#include "tools/hex_field.h"

#include <gtest/gtest.h>

#include <string>

// What the offset field addresses and what the byte field writes, for one text.
TEST(HexField, TextsReadAsHexadecimalOrNotAtAll) {
  const struct {
    std::string text;
    std::optional<uint64_t> offset;
    std::optional<uint8_t> byte;
  } cases[] = {
      {"", 0, 0}, {"1a", 0x1A, 0x1A}, {"1A", 0x1A, 0x1A}, {"1FF", 0x1FF, 0xFF},
      {"80000000", 0x80000000, 0x00},  // 2 GB and beyond: no sign, no 32-bit wrap
      {"123456789", 0x123456789, 0x89}, {"ffffffffffffffff", UINT64_MAX, 0xFF},
      {"0000000000000000000001", 1, 1},  // leading zeros are no overflow
      {"10000000000000000", {}, {}},     // beyond 64 bits
      {"0x1A", {}, {}}, {"1g", {}, {}}, {" 1a", {}, {}}, {"-1", {}, {}}, {std::string("1\0" "2", 3), {}, {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHexField(c.text), c.offset) << '"' << c.text << '"';
    EXPECT_EQ(ParseByteField(c.text), c.byte) << '"' << c.text << '"';
  }
  EXPECT_STREQ(FormatByte(0x0A).data(), "0A");
}
