// The five Cyrillic code pages and the tables that convert between them. Every
// conversion pivots on DOS-866; bytes below 0x80 are never translated.
#pragma once
#include <cstddef>
#include <cstdint>

// Numbered as in the settings and list positions; only the first three can be a view code page.
// UTF-8 comes sixth: it has no table, so nothing indexed by CodePage below reaches it.
enum CodePage : unsigned char { Ansi = 0, Oem = 1, Koi8 = 2, Iso = 3, Mac = 4, Utf8 = 5 };

// The single-byte code pages, the ones with tables: all but Utf8.
constexpr int codePageCount = 5;

// Display names in CodePage order, for the code-page list and the status bar.
extern const char* const codePageNames[codePageCount];

// windows.h defines these two names as macros for its own conversions; here they name tables.
#undef AnsiToOem
#undef OemToAnsi

// Table numbers, as RecodeBytes and the route arrays take them.
enum ConversionTableNumber : int32_t {
  NoTable = -1,
  OemToAnsi = 0,
  AnsiToOem = 1,
  OemToKoi8 = 2,
  Koi8ToOem = 3,
  OemToMac = 4,
  MacToOem = 5,
  OemToIso = 6,
  IsoToOem = 7,
  OemToTranslit = 8,
  FidoTarget = 9,  // only as a target: the FidoNet letter substitution instead of a table
};

constexpr int conversionTableCount = 9;

// Byte t * 128 + (b - 0x80) is what table t makes of the byte b >= 0x80.
extern const unsigned char conversionTables[conversionTableCount * 128];

// The tables of the route through DOS-866, indexed by CodePage; NoTable where none applies.
extern const int32_t toOemTable[codePageCount];
extern const int32_t fromOemTable[codePageCount];

// What `table` makes of byte `b`: bytes below 0x80 and unknown table numbers leave it alone.
unsigned char ConvertByte(int table, unsigned char b);

// Translates `length` bytes in place: every byte >= 0x80 through table `fromTable`,
// then every byte still >= 0x80 through table `toTable` (0..7), or, when `toTable` is
// FidoTarget, DOS-866 Н and р into Latin H and p. NoTable skips a step.
void RecodeBytes(unsigned char* buffer, std::size_t length, int fromTable, int toTable);

// One Windows-1251 byte (a typed character, search text) in the view code page.
unsigned char AnsiToView(unsigned char b, CodePage viewCodePage);

// One byte of the view code page in Windows-1251.
unsigned char ViewToAnsi(unsigned char b, CodePage viewCodePage);
