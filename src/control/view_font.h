// The font of the document control and what each byte looks like in it: the
// Unicode character a byte is drawn as in the view code page, and its width.
#pragma once
#include <windows.h>

#include "codepages/code_pages.h"
#include "control/row_layout.h"
#include "engine/char_format.h"

struct ViewFont {
  HFONT handle = nullptr;
  int lineHeight = 16;
  int ascent = 13;
  int averageWidth = 8;
  wchar_t glyph[256] = {};     // what each byte is drawn as
  bool controlByte[256] = {};  // drawn inverted, as the letter of its Ctrl chord
  bool undefined[256] = {};    // drawn greyed: the code page gives it no character
  RowMetrics metrics;
};

// The height a format of height 0 is shown in, in twips.
inline constexpr int DefaultHeightTwips = 200;

// The character byte `b` stands for on screen in `codePage`: its Unicode
// character, a blank for a tab, and for the other control bytes the letter of
// their Ctrl chord (@ for NUL, A for 1, ? for DEL), which the painter shows
// inverted; so NUL and the like are seen in any font and never end the text.
wchar_t DisplayCharacter(CodePage codePage, unsigned char b);
bool IsControlByte(unsigned char b);

// The LOGFONT of `format`: an empty face asks for a fixed-pitch face; the
// character set only steers the choice of font.
LOGFONTA FontOf(const CharFormat& format, int pixelsPerInch);

// (Re)creates the font of `format` and measures every byte of `codePage` in it.
void BuildViewFont(ViewFont& font, const CharFormat& format, CodePage codePage);
// Measures again for another code page in the same font.
void MeasureBytes(ViewFont& font, CodePage codePage);
// The same on another device (a printer): the font sized and measured there.
void BuildViewFontOn(HDC dc, ViewFont& font, const CharFormat& format, CodePage codePage);
void MeasureBytesOn(HDC dc, ViewFont& font, CodePage codePage);
void ReleaseViewFont(ViewFont& font);
