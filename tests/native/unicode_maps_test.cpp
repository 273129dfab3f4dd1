#include <gtest/gtest.h>

#include "conversion/unicode_maps.h"
#include "iconv_charsets.h"

// Every byte means what iconv says, and every defined byte comes back from its character.
TEST(UnicodeMaps, AgreeWithIconvAndRoundTrip) {
  for (int cp = Ansi; cp <= Mac; ++cp) {
    const auto expected = DecodeWithIconv(static_cast<CodePage>(cp));
    for (int b = 0; b < 256; ++b) {
      const char16_t u = ByteToUnicode(static_cast<CodePage>(cp), static_cast<unsigned char>(b));
      EXPECT_EQ(u, expected[b] == noCharacter ? 0xFFFD : expected[b]) << "code page " << cp << " byte " << b;
      if (u != 0xFFFD) {
        EXPECT_EQ(UnicodeToByte(static_cast<CodePage>(cp), u), b) << "code page " << cp << " byte " << b;
      }
    }
  }
  EXPECT_EQ(UnicodeToByte(Ansi, 0x2603), -1);
}
