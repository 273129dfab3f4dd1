#include "tools/hex_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// One table for both fields: what the offset field addresses and what the byte field writes.
TEST(HexField, OffsetAndByteTextsReadAsHexadecimalOrNotAtAll) {
  const struct {
    std::string text;
    std::optional<uint64_t> offset;
    std::optional<uint8_t> byte;
  } cases[] = {
      {"", 0, 0},
      {"1a", 0x1A, 0x1A},
      {"1A", 0x1A, 0x1A},
      {"00ff", 0xFF, 0xFF},
      {"1FF", 0x1FF, 0xFF},  // only the low eight bits are written
      {"7fffffff", 0x7FFFFFFF, 0xFF},
      {"80000000", 0x80000000, 0x00},  // 2 GB and beyond: no sign, no 32-bit wrap
      {"123456789", 0x123456789, 0x89},
      {"ffffffffffffffff", UINT64_MAX, 0xFF},
      {"0000000000000000000001", 1, 1},    // leading zeros are no overflow
      {"10000000000000000", {}, {}},       // seventeen digits: beyond 64 bits
      {"fffffffffffffffff", {}, {}},
      {"0x1A", {}, {}},
      {"1g", {}, {}},
      {" 1a", {}, {}},
      {"1a ", {}, {}},
      {"-1", {}, {}},
      {std::string("1\0" "2", 3), {}, {}},
      {"\xE0", {}, {}},  // a Cyrillic letter in Windows-1251
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseHexField(c.text), c.offset) << '"' << c.text << '"';
    EXPECT_EQ(ParseByteField(c.text), c.byte) << '"' << c.text << '"';
  }
}

TEST(HexField, EveryByteShowsAsTwoUpperCaseDigitsThatReadBackAsIt) {
  EXPECT_STREQ(FormatByte(0x0A).data(), "0A");
  for (int value = 0; value < 256; ++value) {
    std::string shown = FormatByte(static_cast<uint8_t>(value)).data();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(ParseByteField(shown), value);
    EXPECT_EQ(shown.find_first_of("abcdef"), std::string::npos) << shown;
  }
}

}  // namespace
