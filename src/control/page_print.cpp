#include "control/page_print.h"

#include <richedit.h>

#include <algorithm>

#include "control/char_format_mapping.h"
#include "control/control_messages.h"

namespace {

constexpr int RunCapacity = 512;
constexpr Position ReadChunk = 2048;

int Dots(HDC dc, int index) { return std::max(1, GetDeviceCaps(dc, index)); }

// The format with the face the screen realised for it: a printer driver may
// pick another face for a bare "fixed pitch" request, one without Cyrillic.
CharFormat ShownFormat(const DocumentControl& control) {
  CharFormat format = control.fontFormat;
  if (!format.face.empty() || !control.font.handle) return format;
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, control.font.handle);
  wchar_t face[LF_FACESIZE] = {};
  if (GetTextFaceW(screen, LF_FACESIZE, face) > 0) format.face = EngineFace(face);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  return format;
}

// The control's font on `target`, made again when the device, the format or
// the code page changed.
const ViewFont& PrinterFont(DocumentControl& control, HDC target) {
  PrintLayout& print = control.print;
  int dotsX = Dots(target, LOGPIXELSX), dotsY = Dots(target, LOGPIXELSY);
  if (!print.measured || print.target != target || print.dotsX != dotsX || print.dotsY != dotsY ||
      !(print.format == control.fontFormat) || print.codePage != control.viewCodePage) {
    print.printed = ShownFormat(control);
    BuildViewFontOn(target, print.font, print.printed, control.viewCodePage);
    print.target = target;
    print.dotsX = dotsX;
    print.dotsY = dotsY;
    print.format = control.fontFormat;
    print.codePage = control.viewCodePage;
    print.measured = true;
  }
  return print.font;
}

// Draws the laid-out page on `dc`, whose logical units may differ from the
// target's (a preview on screen): every byte goes where the target put it.
class PagePainter {
 public:
  PagePainter(const DocumentControl& control, HDC dc) : control_(control), print_(control.print), dc_(dc) {
    dotsX_ = Dots(dc, LOGPIXELSX);
    dotsY_ = Dots(dc, LOGPIXELSY);
    left_ = MulDiv(print_.area.left, dotsX_, 1440);
    top_ = MulDiv(print_.area.top, dotsY_, 1440);
    paper_ = control.systemBackground ? GetSysColor(COLOR_WINDOW) : control.background;
    grey_ = GetSysColor(COLOR_GRAYTEXT);
  }

  void Paint() {
    LOGFONTW description = FontOf(print_.printed, dotsY_);
    HFONT font = CreateFontIndirectW(&description);
    LOGFONTW markDescription = MarkFontOf(description);
    markFont_ = CreateFontIndirectW(&markDescription);
    font_ = font ? static_cast<HGDIOBJ>(font) : GetStockObject(ANSI_FIXED_FONT);
    HGDIOBJ old = SelectObject(dc_, font_);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    RowLayout layout(control_.engine, print_.font.metrics, print_.wrapWidth);
    ForEachPageRow(layout, print_.page, [&](int index, Position from, Position to, Position rowStart) {
      Row row = layout.RowAt(rowStart);
      DrawRow(layout, row, from, to, index);
    });
    SelectObject(dc_, old);
    if (font) DeleteObject(font);
    if (markFont_) DeleteObject(markFont_);
  }

 private:
  int ScaleX(std::int64_t x) const { return left_ + static_cast<int>(x * dotsX_ / print_.dotsX); }
  int RowY(int index) const { return top_ + MulDiv(index * print_.font.lineHeight, dotsY_, print_.dotsY); }

  void DrawRow(const RowLayout& layout, const Row& row, Position from, Position to, int index) {
    std::int64_t base = layout.XOf(row, from), x = base;
    y_ = RowY(index);
    bottom_ = RowY(index + 1);
    count_ = 0;
    runX_ = 0;
    DocumentEngine::ColourRun colours{0, 0, 0};
    unsigned char bytes[ReadChunk + 1];
    for (Position position = from; position < to;) {
      Position n = control_.engine.GetTextRange({position, std::min(to, position + ReadChunk)},
                                                reinterpret_cast<char*>(bytes), ReadChunk + 1);
      if (n <= 0) break;
      for (Position i = 0; i < n;) {
        // A character the chunk cuts is read again with the next chunk.
        if (layout.CutsCharacter(bytes[i], n - i, position + (n - i) < to)) break;
        RowLayout::Character character = layout.CharacterAt(bytes + i, static_cast<std::size_t>(n - i), x);
        if (position >= colours.end) colours = control_.engine.GetColourRun(position);
        std::int64_t next = x + character.advance;
        Add(character, bytes[i], colours.colour, ScaleX(next - base) - ScaleX(x - base), x - base);
        x = next;
        i += character.length;
        position += character.length;
      }
    }
    Flush();
  }

  void Add(const RowLayout::Character& character, unsigned char b, COLORREF colour, int width, std::int64_t x) {
    const ViewFont& font = print_.font;
    bool undefined = character.mark || (character.length == 1 && font.undefined[b]);
    COLORREF ink = undefined ? grey_ : colour, paper = paper_;
    if (character.length == 1 && !character.mark && font.controlByte[b]) ink = paper_, paper = grey_;
    wchar_t units[2];
    int count = DrawnUnits(font, character, b, units);
    if (count_ + count > RunCapacity || (count_ > 0 && (ink != ink_ || paper != paperRun_ || character.mark != mark_))) {
      Flush();
    }
    if (count_ == 0) runX_ = x, ink_ = ink, paperRun_ = paper, mark_ = character.mark;
    ShareAdvance(count, width, widths_ + count_);
    for (int k = 0; k < count; ++k) text_[count_++] = units[k];
  }

  void Flush() {
    if (count_ == 0) return;
    int left = ScaleX(runX_), width = 0;
    for (int i = 0; i < count_; ++i) width += widths_[i];
    RECT box{left, y_, left + width, bottom_};
    SetTextColor(dc_, ink_);
    SetBkColor(dc_, paperRun_);
    if (mark_ && markFont_) SelectObject(dc_, markFont_);
    // Marks stand on the text's base line.
    int top = mark_ ? y_ + MulDiv(print_.font.ascent - print_.font.markAscent, dotsY_, print_.dotsY) : y_;
    ExtTextOutW(dc_, left, top, ETO_OPAQUE | ETO_CLIPPED, &box, text_, static_cast<UINT>(count_), widths_);
    if (mark_ && markFont_) SelectObject(dc_, font_);
    count_ = 0;
  }

  const DocumentControl& control_;
  const PrintLayout& print_;
  HDC dc_;
  int dotsX_, dotsY_, left_, top_;
  COLORREF paper_, grey_;
  int y_ = 0, bottom_ = 0;
  wchar_t text_[RunCapacity];
  int widths_[RunCapacity];
  int count_ = 0;
  std::int64_t runX_ = 0;
  COLORREF ink_ = 0, paperRun_ = 0;
  bool mark_ = false;
  HGDIOBJ font_ = nullptr;
  HFONT markFont_ = nullptr;
};

LRESULT FormatRange(DocumentControl& control, bool render, FORMATRANGE* range) {
  PrintLayout& print = control.print;
  if (!range) {
    ReleasePrintLayout(print);
    return 0;
  }
  HDC target = range->hdcTarget ? range->hdcTarget : range->hdc;
  Position length = control.engine.GetLength();
  // A range from inside a UTF-8 character starts and ends with that character.
  Position start = control.engine.CharacterStart(std::clamp<Position>(range->chrg.cpMin, 0, length));
  Position end = range->chrg.cpMax < 0 ? length : std::clamp<Position>(range->chrg.cpMax, start, length);
  end = std::max(start, control.engine.CharacterStart(end));
  if (!target) return start;
  const ViewFont& font = PrinterFont(control, target);
  const RECT area = range->rc;
  int width = MulDiv(area.right - area.left, print.dotsX, 1440);
  int height = MulDiv(area.bottom - area.top, print.dotsY, 1440);
  int rowsPerPage = height > 0 ? height / font.lineHeight : 0;
  print.wrapWidth = std::max(1, width);
  RowLayout layout(control.engine, font.metrics, print.wrapWidth);
  print.page = LayOutPage(layout, start, end, rowsPerPage);
  print.area = area;
  print.dc = range->hdc ? range->hdc : target;
  print.hasPage = true;
  // The rectangle shrinks to what the page used.
  range->rc.bottom = area.top + MulDiv(print.page.rows * font.lineHeight, 1440, print.dotsY);
  range->rc.right = std::min<LONG>(
      area.right, area.left + MulDiv(static_cast<int>(std::min<std::int64_t>(print.page.width, INT32_MAX / 1440)),
                                     1440, print.dotsX));
  if (render) PagePainter(control, print.dc).Paint();
  return print.page.end;
}

LRESULT DisplayBand(DocumentControl& control) {
  if (!control.print.hasPage || !control.print.dc) return FALSE;
  PagePainter(control, control.print.dc).Paint();
  return TRUE;
}

}  // namespace

void ReleasePrintLayout(PrintLayout& print) {
  ReleaseViewFont(print.font);
  print = PrintLayout{};
}

bool HandlePrintMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case EM_FORMATRANGE:
      result = FormatRange(control, wParam != 0, reinterpret_cast<FORMATRANGE*>(lParam));
      return true;
    case EM_DISPLAYBAND:
      result = DisplayBand(control);
      return true;
    default:
      return false;
  }
}
