// The font of the document control and what each byte looks like in it: the
// Unicode character a byte is drawn as in the view code page, and its width.
// In the UTF-8 view a valid sequence is drawn as its character, measured when
// first met, and a byte that starts none as a mark: its two hex digits, small
// and grey, so that a broken text shows every byte it will be saved with.
#pragma once
#include <windows.h>

#include <memory>

#include "codepages/code_pages.h"
#include "control/character_widths.h"
#include "control/row_layout.h"
#include "engine/char_format.h"

struct ViewFont {
  HFONT handle = nullptr;
  HFONT markFont = nullptr;  // the smaller font of the marks
  int lineHeight = 16;
  int ascent = 13;
  int markAscent = 9;
  int averageWidth = 8;
  wchar_t glyph[256] = {};     // what each byte is drawn as
  bool controlByte[256] = {};  // drawn inverted, as the letter of its Ctrl chord
  bool undefined[256] = {};    // drawn greyed: the code page gives it no character
  RowMetrics metrics;
  std::unique_ptr<CharacterWidths> characterWidths;  // the UTF-8 view's, which metrics point to
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
LOGFONTW FontOf(const CharFormat& format, int pixelsPerInch);
// The same face at the size of the marks.
LOGFONTW MarkFontOf(LOGFONTW font);

inline constexpr wchar_t ReplacementCharacter = 0xFFFD;

// `c` in UTF-16: one unit, or a surrogate pair beyond U+FFFF.
int Utf16Of(char32_t c, wchar_t units[2]);

// What one character of a row is drawn as, at most two UTF-16 units (a
// character beyond U+FFFF is a surrogate pair, a mark two hex digits), and
// how its advance is shared among them. `firstByte` is the character's first.
int DrawnUnits(const ViewFont& font, const RowLayout::Character& character, unsigned char firstByte, wchar_t units[2]);
void ShareAdvance(int units, int advance, int widths[2]);

// (Re)creates the font of `format` at `dpi` and measures every byte of `codePage` in it.
void BuildViewFont(ViewFont& font, const CharFormat& format, CodePage codePage, int dpi);
// Measures again for another code page in the same font.
void MeasureBytes(ViewFont& font, CodePage codePage);
// The same on another device (a printer): the font sized and measured there.
// The device must outlive the font's use, for characters measured later.
void BuildViewFontOn(HDC dc, ViewFont& font, const CharFormat& format, CodePage codePage);
void ReleaseViewFont(ViewFont& font);
