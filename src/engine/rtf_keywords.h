// What the RTF reader does with each control word it knows; every other word is ignored.
#pragma once
#include <cstdint>
#include <string_view>

enum class RtfAction : std::uint8_t {
  SkipDestination,  // a destination that holds no text: the rest of its group is skipped
  FontTable,        // read for the fonts' character sets, its text is not shown
  Character,        // shows the character `value`
  Break,            // paragraph or line end: CR LF
  Tab,
  Cell,             // table cell end: TAB between cells
  Row,              // table row end: CR LF in place of the last cell's TAB
  Unicode,          // \uN
  UnicodeSkip,      // \ucN
  AnsiCodePage,     // \ansicpgN
  Charset,          // \ansi \mac \pc \pca: `value` is the code page they name
  Font,             // \fN
  FontCharset,      // \fcharsetN
  FontCodePage,     // \cpgN
  DefaultFont,      // \deffN
  Plain,            // \plain: back to the default font
  Binary,           // \binN: N raw bytes follow
};

struct RtfKeyword {
  std::string_view name;
  RtfAction action;
  char32_t value;
};

// The entry for `name`, or nullptr when the reader ignores that word.
const RtfKeyword* FindRtfKeyword(std::string_view name);
