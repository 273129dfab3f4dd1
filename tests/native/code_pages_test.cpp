#include <gtest/gtest.h>

#include <vector>

#include "conversion/code_pages.h"
#include "conversion/unicode_maps.h"
#include "conversion_oracle.h"
#include "iconv_texts.h"

namespace {

std::vector<unsigned char> AllBytes() {
  std::vector<unsigned char> bytes(256);
  for (int b = 0; b < 256; ++b) bytes[b] = static_cast<unsigned char>(b);
  return bytes;
}

std::vector<unsigned char> Recoded(std::vector<unsigned char> bytes, int fromTable, int toTable) {
  RecodeBytes(bytes.data(), bytes.size(), fromTable, toTable);
  return bytes;
}

}  // namespace

TEST(ConversionTables, EveryEntryFollowsThePublishedMappingOrItsSubstitute) {
  for (int table = 0; table < conversionTableCount; ++table) {
    for (int b = 0x80; b < 0x100; ++b) {
      EXPECT_EQ(conversionTables[table * 128 + b - 0x80], OracleTableEntry(table, static_cast<unsigned char>(b)))
          << "table " << table << " byte " << std::hex << b;
    }
  }
}

TEST(RecodeBytes, EveryRouteAndFidoTargetMatchesTheOracleOnEveryByte) {
  for (int from = 0; from < codePageCount; ++from) {
    std::vector<int> targets = {fromOemTable[0], fromOemTable[1], fromOemTable[2], fromOemTable[3],
                                fromOemTable[4], FidoTarget};
    for (int toTable : targets) {
      std::vector<unsigned char> recoded = Recoded(AllBytes(), toOemTable[from], toTable);
      for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(recoded[b], OracleRoute(toOemTable[from], toTable, static_cast<unsigned char>(b)))
            << "from " << codePageNames[from] << " table " << toTable << " byte " << std::hex << b;
      }
    }
  }
}

TEST(RecodeBytes, StaysInsideItsRangeAndIgnoresUnknownTableNumbers) {
  std::vector<unsigned char> buffer(6, 0xE0);
  RecodeBytes(buffer.data() + 1, 4, toOemTable[Oem], FidoTarget);
  EXPECT_EQ(buffer, (std::vector<unsigned char>{0xE0, 'p', 'p', 'p', 'p', 0xE0}));
  RecodeBytes(nullptr, 0, AnsiToOem, OemToKoi8);
  // Transliteration is a source table only; as a second table it does nothing.
  const std::pair<int, int> unknown[] = {{42, -7}, {NoTable, 10}, {9, NoTable}, {NoTable, OemToTranslit}};
  for (auto [from, to] : unknown) {
    EXPECT_EQ(Recoded(AllBytes(), from, to), AllBytes()) << from << " " << to;
  }
}

TEST(ViewConversions, FollowTheRouteBetweenWindows1251AndTheView) {
  // The view's tables to and from DOS-866, named here rather than read from the route arrays.
  const struct { CodePage view; int toOem, fromOem; } routes[] = {
      {Oem, NoTable, NoTable}, {Koi8, Koi8ToOem, OemToKoi8}, {Iso, IsoToOem, OemToIso}, {Mac, MacToOem, OemToMac}};
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(AnsiToView(byte, Ansi), byte);
    EXPECT_EQ(ViewToAnsi(byte, Ansi), byte);
    for (const auto& route : routes) {
      EXPECT_EQ(AnsiToView(byte, route.view), OracleRoute(AnsiToOem, route.fromOem, byte)) << route.view << " " << b;
      EXPECT_EQ(ViewToAnsi(byte, route.view), OracleRoute(route.toOem, OemToAnsi, byte)) << route.view << " " << b;
    }
  }
}

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
