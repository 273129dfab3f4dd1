#include <gtest/gtest.h>

#include "conversion/unicode_maps.h"

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
