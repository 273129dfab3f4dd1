// The code pages an RTF document's bytes (\'hh escapes and raw 8-bit text) can be in, as far as the
// reader knows them: the five Cyrillic code pages, Windows-1252 and ISO 8859-1. Anything else is
// Unknown, where only the ASCII half has a meaning.
#pragma once
#include <cstdint>

enum class RtfSource : std::uint8_t {
  Cp1251, Cp866, Koi8R, Iso88595, MacCyrillic,  // the order of CodePage, so one casts to the other
  Cp1252, Latin1, Unknown
};

// \ansicpgN and a font's \cpgN.
RtfSource SourceFromCodePage(int number);

// A font's \fcharsetN. Returns `document` for the charsets that name no particular code page
// (0 ANSI, 1 default, 2 symbol, 77 Mac), which writers use loosely.
RtfSource SourceFromCharset(int charset, RtfSource document);

// The Unicode character of `byte` in `source`; U+FFFD when it has none.
char32_t DecodeRtfByte(RtfSource source, unsigned char byte);
