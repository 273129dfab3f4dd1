// Names, pivot routes and single-byte conversions of the five code pages; the
// table data itself is in conversion_tables.cpp.
#include "codepages/code_pages.h"

const char* const codePageNames[codePageCount] = {"ANSI (1251)", "OEM (866)", "KOI8 R", "ISO", "MAC"};

const int32_t toOemTable[codePageCount] = {AnsiToOem, NoTable, Koi8ToOem, IsoToOem, MacToOem};
const int32_t fromOemTable[codePageCount] = {OemToAnsi, NoTable, OemToKoi8, OemToIso, OemToMac};

unsigned char ConvertByte(int table, unsigned char b) {
  if (b < 0x80 || table < 0 || table >= conversionTableCount) return b;
  return conversionTables[table * 128 + (b - 0x80)];
}

// Windows-1251 to DOS-866, then on to the view's own code page.
unsigned char AnsiToView(unsigned char b, CodePage viewCodePage) {
  if (viewCodePage == Ansi || viewCodePage >= codePageCount) return b;
  return ConvertByte(fromOemTable[viewCodePage], ConvertByte(AnsiToOem, b));
}

unsigned char ViewToAnsi(unsigned char b, CodePage viewCodePage) {
  if (viewCodePage == Ansi || viewCodePage >= codePageCount) return b;
  return ConvertByte(OemToAnsi, ConvertByte(toOemTable[viewCodePage], b));
}
