#include <gtest/gtest.h>

#include <vector>

#include "codepages/code_pages.h"
#include "codepages/unicode_maps.h"
#include "iconv_texts.h"
#include "shell_run.h"

namespace {

std::vector<unsigned char> Recoded(int fromTable, int toTable, std::size_t size = 256) {
  std::vector<unsigned char> bytes(size);
  for (std::size_t b = 0; b < size; ++b) bytes[b] = static_cast<unsigned char>(b);
  RecodeBytes(bytes.data(), bytes.size(), fromTable, toTable);
  return bytes;
}

}  // namespace

// The tables are what their generator writes (its look-alikes included), and where both pages have
// a character the generator's codecs agree with iconv (OracleTableEntry).
TEST(ConversionTables, AreCurrentAndFollowThePublishedMappings) {
  const std::string source = ZORN2_SOURCE_DIR;
  const ShellRun generated = RunWithInput("python3 " + source + "/scripts/make-conversion-tables.py -", "");
  std::ifstream file(source + "/src/codepages/conversion_tables.cpp", std::ios::binary);
  EXPECT_EQ(generated.out, std::string(std::istreambuf_iterator<char>(file), {}));
  for (int table = 0; table < 8; ++table) {
    for (int b = 0x80; b < 0x100; ++b) {
      EXPECT_EQ(conversionTables[table * 128 + b - 0x80], OracleTableEntry(table, static_cast<unsigned char>(b)))
          << "table " << table << " byte " << std::hex << b;
    }
  }
}

// Every route from each code page, Fido's letters included, and the view's own conversions to and from
// Windows-1251 (target tables named here rather than read from the route arrays), byte by byte.
TEST(RecodeBytes, EveryRouteAndFidoTargetMatchesTheOracleOnEveryByte) {
  for (int from = 0; from < codePageCount; ++from) {
    for (int toTable : {OemToAnsi, NoTable, OemToKoi8, OemToIso, OemToMac, FidoTarget}) {
      const std::vector<unsigned char> recoded = Recoded(toOemTable[from], toTable);
      for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(recoded[b], OracleRoute(toOemTable[from], toTable, static_cast<unsigned char>(b)))
            << "from " << codePageNames[from] << " table " << toTable << " byte " << std::hex << b;
      }
    }
  }
  const struct { CodePage view; int toOem, fromOem; } routes[] = {
      {Ansi, -2, -2}, {Oem, NoTable, NoTable}, {Koi8, Koi8ToOem, OemToKoi8}, {Iso, IsoToOem, OemToIso},
      {Mac, MacToOem, OemToMac}};
  for (int b = 0; b < 256; ++b) {
    const auto u = static_cast<unsigned char>(b);
    for (const auto& r : routes) {
      EXPECT_EQ(AnsiToView(u, r.view), r.view == Ansi ? u : OracleRoute(AnsiToOem, r.fromOem, u)) << r.view << " " << b;
      EXPECT_EQ(ViewToAnsi(u, r.view), r.view == Ansi ? u : OracleRoute(r.toOem, OemToAnsi, u)) << r.view << " " << b;
    }
  }
  // Only the range given changes; transliteration is a source table only, and unknown numbers do nothing.
  std::vector<unsigned char> buffer(6, 0xE0);
  RecodeBytes(buffer.data() + 1, 4, toOemTable[Oem], FidoTarget);
  EXPECT_EQ(buffer, (std::vector<unsigned char>{0xE0, 'p', 'p', 'p', 'p', 0xE0}));
  for (auto [from, to] : {std::pair<int, int>{42, -7}, {NoTable, 10}, {9, NoTable}, {NoTable, OemToTranslit}}) {
    EXPECT_EQ(Recoded(from, to), Recoded(NoTable, NoTable)) << from << " " << to;
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
