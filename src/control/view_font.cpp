#include "control/view_font.h"

#include <algorithm>
#include <cstring>

#include "codepages/unicode_maps.h"

namespace {

constexpr wchar_t Replacement = 0xFFFD;
constexpr int TabColumns = 8;

}  // namespace

bool IsControlByte(unsigned char b) { return (b < 0x20 && b != '\t') || b == 0x7F; }

wchar_t DisplayCharacter(CodePage codePage, unsigned char b) {
  if (b == '\t') return L' ';
  if (b < 0x20) return static_cast<wchar_t>(L'@' + b);
  if (b == 0x7F) return L'?';
  return static_cast<wchar_t>(ByteToUnicode(codePage, b));
}

LOGFONTA FontOf(const CharFormat& format, int pixelsPerInch) {
  LOGFONTA font{};
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
    std::size_t n = std::min(format.face.size(), sizeof font.lfFaceName - 1);
    std::memcpy(font.lfFaceName, format.face.data(), n);
  }
  return font;
}

void MeasureBytesOn(HDC dc, ViewFont& font, CodePage codePage) {
  HGDIOBJ old = SelectObject(dc, font.handle ? font.handle : GetStockObject(ANSI_FIXED_FONT));
  for (int b = 0; b < 256; ++b) {
    auto byte = static_cast<unsigned char>(b);
    wchar_t c = DisplayCharacter(codePage, byte);
    font.glyph[b] = c;
    font.controlByte[b] = IsControlByte(byte);
    font.undefined[b] = c == Replacement;
    SIZE size{};
    GetTextExtentPoint32W(dc, &c, 1, &size);
    font.metrics.byteWidth[b] = std::max<int>(size.cx, 1);
  }
  font.metrics.byteWidth['\r'] = 0;
  font.metrics.byteWidth['\n'] = 0;
  font.metrics.tabWidth = std::max(1, TabColumns * font.metrics.byteWidth[' ']);
  SelectObject(dc, old);
}

void MeasureBytes(ViewFont& font, CodePage codePage) {
  HDC dc = GetDC(nullptr);
  MeasureBytesOn(dc, font, codePage);
  ReleaseDC(nullptr, dc);
}

void BuildViewFontOn(HDC dc, ViewFont& font, const CharFormat& format, CodePage codePage) {
  LOGFONTA description = FontOf(format, GetDeviceCaps(dc, LOGPIXELSY));
  HFONT created = CreateFontIndirectA(&description);
  if (created) {
    ReleaseViewFont(font);
    font.handle = created;
  }
  HGDIOBJ old = SelectObject(dc, font.handle ? font.handle : GetStockObject(ANSI_FIXED_FONT));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  font.lineHeight = std::max<int>(1, metrics.tmHeight + metrics.tmExternalLeading);
  font.ascent = metrics.tmAscent;
  font.averageWidth = std::max<int>(1, metrics.tmAveCharWidth);
  MeasureBytesOn(dc, font, codePage);
}

void BuildViewFont(ViewFont& font, const CharFormat& format, CodePage codePage) {
  HDC dc = GetDC(nullptr);
  BuildViewFontOn(dc, font, format, codePage);
  ReleaseDC(nullptr, dc);
}

void ReleaseViewFont(ViewFont& font) {
  if (font.handle) DeleteObject(font.handle);
  font.handle = nullptr;
}
