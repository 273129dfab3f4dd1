#include <gtest/gtest.h>

#include <vector>

#include "conversion/code_pages.h"
#include "conversion_oracle.h"

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

TEST(ConversionTables, NamesAndRoutes) {
  EXPECT_STREQ(codePageNames[Ansi], "ANSI (1251)");
  EXPECT_STREQ(codePageNames[Mac], "MAC");
  EXPECT_EQ(toOemTable[Oem], NoTable);
  EXPECT_EQ(fromOemTable[Oem], NoTable);
  EXPECT_EQ(toOemTable[Mac], MacToOem);
  EXPECT_EQ(fromOemTable[Iso], OemToIso);
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

TEST(RecodeBytes, KnownCharactersOnTheirRoutes) {
  // Windows-1251 А я Ё and plain ASCII into DOS-866.
  EXPECT_EQ(Recoded({0xC0, 0xFF, 0xA8, 'A', 0x7F}, AnsiToOem, NoTable),
            (std::vector<unsigned char>{0x80, 0xEF, 0xF0, 'A', 0x7F}));
  // Windows-1251 to itself passes through DOS-866: … © — lose their shape, letters survive.
  EXPECT_EQ(Recoded({0x85, 0xA9, 0x97, 0xC0}, AnsiToOem, OemToAnsi),
            (std::vector<unsigned char>{':', 'c', '-', 0xC0}));
  // DOS-866 to the FidoNet form: only Н and р change.
  EXPECT_EQ(Recoded({0x8D, 0xE0, 0xAD, 0x48, 0x70, 0xED}, NoTable, FidoTarget),
            (std::vector<unsigned char>{'H', 'p', 0xAD, 0x48, 0x70, 0xED}));
  // Transliteration is a source table only; as a second table it does nothing.
  EXPECT_EQ(Recoded({0x9B, 0xEB, 0x9A}, OemToTranslit, NoTable), (std::vector<unsigned char>{'I', 'y', '\''}));
  EXPECT_EQ(Recoded({0x9B, 0xEB}, NoTable, OemToTranslit), (std::vector<unsigned char>{0x9B, 0xEB}));
}

TEST(RecodeBytes, StaysInsideItsRangeAndIgnoresUnknownTableNumbers) {
  std::vector<unsigned char> buffer(1000, 0xE0);
  RecodeBytes(buffer.data() + 3, 990, toOemTable[Oem], FidoTarget);
  EXPECT_EQ(buffer[2], 0xE0);
  EXPECT_EQ(buffer[3], 'p');
  EXPECT_EQ(buffer[992], 'p');
  EXPECT_EQ(buffer[993], 0xE0);
  RecodeBytes(nullptr, 0, AnsiToOem, OemToKoi8);

  EXPECT_EQ(Recoded(AllBytes(), 42, -7), AllBytes());
  EXPECT_EQ(Recoded(AllBytes(), NoTable, 10), AllBytes());
  EXPECT_EQ(Recoded(AllBytes(), 9, NoTable), AllBytes());
}

TEST(ViewConversions, FollowTheRouteBetweenWindows1251AndTheView) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<unsigned char>(b);
    EXPECT_EQ(AnsiToView(byte, Ansi), byte);
    EXPECT_EQ(ViewToAnsi(byte, Ansi), byte);
    for (CodePage view : {Oem, Koi8, Iso, Mac}) {
      EXPECT_EQ(AnsiToView(byte, view), OracleRoute(AnsiToOem, fromOemTable[view], byte)) << view << " " << b;
      EXPECT_EQ(ViewToAnsi(byte, view), OracleRoute(toOemTable[view], OemToAnsi, byte)) << view << " " << b;
    }
  }
  // A typed … in a KOI8-R view becomes ':'; KOI8-R ≤ shown as Windows-1251 is '<'.
  EXPECT_EQ(AnsiToView(0x85, Koi8), ':');
  EXPECT_EQ(ViewToAnsi(0x98, Koi8), '<');
  // Windows-1251 я in each view, and back.
  EXPECT_EQ(AnsiToView(0xFF, Oem), 0xEF);
  EXPECT_EQ(AnsiToView(0xFF, Koi8), 0xD1);
  EXPECT_EQ(ViewToAnsi(0xD1, Koi8), 0xFF);
}
