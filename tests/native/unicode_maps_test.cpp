#include <gtest/gtest.h>

#include "conversion/unicode_maps.h"
#include "iconv_charsets.h"

// Round trip: every defined byte comes back from its character.
TEST(UnicodeMaps, EveryDefinedByteRoundTrips) {
  for (int cp = Ansi; cp <= Mac; ++cp) {
    for (int b = 0; b < 256; ++b) {
      char16_t u = ByteToUnicode(static_cast<CodePage>(cp), static_cast<unsigned char>(b));
      if (u == 0xFFFD) continue;
      EXPECT_EQ(UnicodeToByte(static_cast<CodePage>(cp), u), b) << "code page " << cp << " byte " << b;
    }
  }
  EXPECT_EQ(UnicodeToByte(Ansi, 0x2603), -1);
}

TEST(UnicodeMaps, AgreeWithIconvOnEveryByte) {
  for (int cp = Ansi; cp <= Mac; ++cp) {
    const auto expected = DecodeWithIconv(static_cast<CodePage>(cp));
    for (int b = 0; b < 256; ++b) {
      const char32_t character = expected[b] == noCharacter ? 0xFFFD : expected[b];
      EXPECT_EQ(ByteToUnicode(static_cast<CodePage>(cp), static_cast<unsigned char>(b)), character)
          << "code page " << cp << " byte " << b;
    }
  }
}
