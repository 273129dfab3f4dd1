#include "control/view_font.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "codepages/unicode_maps.h"

namespace {

constexpr int TabColumns = 8;
// The marks are two thirds of the text's height, with a pixel on either side.
constexpr int MarkHeightShare = 3;
constexpr int MarkPadding = 2;
constexpr wchar_t HexDigits[] = L"0123456789ABCDEF";

HGDIOBJ Select(HDC dc, HFONT font) { return SelectObject(dc, font ? font : GetStockObject(ANSI_FIXED_FONT)); }

// Characters above ASCII measured on `device`, or on the screen when it is null.
CharacterWidths::Measure MeasureCharacters(HDC device, HFONT font) {
  return [device, font](char32_t first, std::size_t count, int* widths) {
    HDC dc = device ? device : GetDC(nullptr);
    HGDIOBJ old = Select(dc, font);
    for (std::size_t i = 0; i < count; ++i) {
      wchar_t units[2];
      SIZE size{};
      if (GetTextExtentPoint32W(dc, units, Utf16Of(first + static_cast<char32_t>(i), units), &size)) widths[i] = size.cx;
    }
    SelectObject(dc, old);
    if (!device) ReleaseDC(nullptr, dc);
  };
}

int MarkWidth(HDC dc, const ViewFont& font) {
  HGDIOBJ old = Select(dc, font.markFont);
  int widest = 1;
  for (wchar_t digit : std::wstring_view(HexDigits)) {
    SIZE size{};
    GetTextExtentPoint32W(dc, &digit, 1, &size);
    widest = std::max<int>(widest, size.cx);
  }
  SelectObject(dc, old);
  return 2 * widest + MarkPadding;
}

// Measures on `dc`; characters met later are measured on `device` (null: the screen).
void Measure(HDC dc, HDC device, ViewFont& font, CodePage codePage) {
  HGDIOBJ old = Select(dc, font.handle);
  for (int b = 0; b < 256; ++b) {
    auto byte = static_cast<unsigned char>(b);
    wchar_t c = DisplayCharacter(codePage, byte);
    font.glyph[b] = c;
    font.controlByte[b] = IsControlByte(byte);
    font.undefined[b] = c == ReplacementCharacter;
    SIZE size{};
    GetTextExtentPoint32W(dc, &c, 1, &size);
    font.metrics.byteWidth[b] = std::max<int>(size.cx, 1);
  }
  font.metrics.byteWidth['\r'] = 0;
  font.metrics.byteWidth['\n'] = 0;
  font.metrics.tabWidth = std::max(1, TabColumns * font.metrics.byteWidth[' ']);
  SelectObject(dc, old);
  font.characterWidths.reset();
  font.metrics.characterWidths = nullptr;
  if (codePage != Utf8) return;
  int mark = MarkWidth(dc, font);
  std::fill(font.metrics.byteWidth + 0x80, font.metrics.byteWidth + 256, mark);
  font.characterWidths = std::make_unique<CharacterWidths>(MeasureCharacters(device, font.handle));
  font.metrics.characterWidths = font.characterWidths.get();
}

void Build(HDC dc, HDC device, ViewFont& font, const CharFormat& format, CodePage codePage, int dpi) {
  LOGFONTW description = FontOf(format, dpi);
  HFONT created = CreateFontIndirectW(&description);
  LOGFONTW markDescription = MarkFontOf(description);
  HFONT markCreated = CreateFontIndirectW(&markDescription);
  if (created) {
    ReleaseViewFont(font);
    font.handle = created;
  }
  if (markCreated) {
    if (font.markFont) DeleteObject(font.markFont);
    font.markFont = markCreated;
  }
  TEXTMETRICW metrics{}, markMetrics{};
  HGDIOBJ old = Select(dc, font.handle);
  GetTextMetricsW(dc, &metrics);
  Select(dc, font.markFont);
  GetTextMetricsW(dc, &markMetrics);
  SelectObject(dc, old);
  font.lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
  font.ascent = metrics.tmAscent;
  font.markAscent = markMetrics.tmAscent;
  font.averageWidth = std::max<int>(1, metrics.tmAveCharWidth);
  Measure(dc, device, font, codePage);
}

}  // namespace

bool IsControlByte(unsigned char b) { return (b < 0x20 && b != '\t') || b == 0x7F; }

wchar_t DisplayCharacter(CodePage codePage, unsigned char b) {
  if (b == '\t') return L' ';
  if (b < 0x20) return static_cast<wchar_t>(L'@' + b);
  if (b == 0x7F) return L'?';
  return static_cast<wchar_t>(ByteToUnicode(codePage, b));
}

LOGFONTW FontOf(const CharFormat& format, int pixelsPerInch) {
  LOGFONTW font{};
  int twips = format.height > 0 ? format.height : DefaultHeightTwips;
  font.lfHeight = -MulDiv(twips, pixelsPerInch, 1440);
  font.lfWeight = format.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = format.italic ? TRUE : FALSE;
  font.lfCharSet = format.charset;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfQuality = DEFAULT_QUALITY;
  if (format.face.empty()) {
    font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  } else {
    font.lfPitchAndFamily = format.pitchAndFamily;
    std::size_t n = std::min<std::size_t>(format.face.size(), LF_FACESIZE - 1);
    std::copy_n(format.face.begin(), n, font.lfFaceName);
  }
  return font;
}

LOGFONTW MarkFontOf(LOGFONTW font) {
  font.lfHeight = font.lfHeight * 2 / MarkHeightShare;
  if (font.lfHeight == 0) font.lfHeight = -1;
  font.lfWeight = FW_NORMAL;
  font.lfItalic = FALSE;
  return font;
}

int Utf16Of(char32_t c, wchar_t units[2]) {
  constexpr char32_t planeSize = 0x10000;
  if (c < planeSize) {
    units[0] = static_cast<wchar_t>(c);
    return 1;
  }
  c -= planeSize;
  units[0] = static_cast<wchar_t>(0xD800 + (c >> 10));
  units[1] = static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
  return 2;
}

int DrawnUnits(const ViewFont& font, const RowLayout::Character& character, unsigned char firstByte, wchar_t units[2]) {
  if (character.mark) {
    units[0] = HexDigits[firstByte >> 4];
    units[1] = HexDigits[firstByte & 0x0F];
    return 2;
  }
  if (character.length == 1 && (character.code < 0x80 || !font.characterWidths)) {
    units[0] = font.glyph[firstByte];
    return 1;
  }
  return Utf16Of(character.code, units);
}

void ShareAdvance(int units, int advance, int widths[2]) {
  // A mark's digits share it. So do the two halves of a surrogate pair: a
  // system that draws the pair as one glyph draws it at the first and goes on
  // after both, and one that draws each half (Wine) draws them side by side.
  widths[0] = units == 2 ? advance / 2 : advance;
  if (units == 2) widths[1] = advance - widths[0];
}

void MeasureBytes(ViewFont& font, CodePage codePage) {
  HDC dc = GetDC(nullptr);
  Measure(dc, nullptr, font, codePage);
  ReleaseDC(nullptr, dc);
}

void BuildViewFontOn(HDC dc, ViewFont& font, const CharFormat& format, CodePage codePage) {
  Build(dc, dc, font, format, codePage, GetDeviceCaps(dc, LOGPIXELSY));
}

void BuildViewFont(ViewFont& font, const CharFormat& format, CodePage codePage, int dpi) {
  HDC dc = GetDC(nullptr);
  Build(dc, nullptr, font, format, codePage, dpi);
  ReleaseDC(nullptr, dc);
}

void ReleaseViewFont(ViewFont& font) {
  if (font.handle) DeleteObject(font.handle);
  if (font.markFont) DeleteObject(font.markFont);
  font.handle = nullptr;
  font.markFont = nullptr;
  font.characterWidths.reset();
  font.metrics.characterWidths = nullptr;
}
