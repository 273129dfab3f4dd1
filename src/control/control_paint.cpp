#include "control/control_paint.h"

#include <algorithm>

#include "control/control_geometry.h"
#include "control/control_view.h"

namespace {

constexpr int RunCapacity = 512;
constexpr Position ReadChunk = 2048;

// Mark and SelectedMark: a byte of the UTF-8 view that starts no character,
// its hex digits in the small font.
enum class Look { Plain, Greyed, Control, Selected, Mark, SelectedMark };

// Draws the rows of one paint: runs of characters that look alike are drawn
// with one ExtTextOutW each, every character at the width the layout gave it.
class RowPainter {
 public:
  RowPainter(const DocumentControl& control, HDC dc, const RowLayout& layout)
      : control_(control), dc_(dc), layout_(layout), area_(TextArea(control)) {
    PositionRange selection = control.engine.GetSelection();
    if (control.selectionShown && selection.start < selection.end) selection_ = selection;
    highlight_ = GetSysColor(COLOR_HIGHLIGHT);
    highlightText_ = GetSysColor(COLOR_HIGHLIGHTTEXT);
    greyText_ = GetSysColor(COLOR_GRAYTEXT);
    background_ = control.systemBackground ? GetSysColor(COLOR_WINDOW) : control.background;
  }

  // Draws `row` with its top at `y`; returns the width of the row when it was
  // measured whole, else -1.
  std::int64_t Draw(const Row& row, int y);

 private:
  Look LookOf(Position position, const RowLayout::Character& character, unsigned char b) const {
    bool selected = position >= selection_.start && position < selection_.end;
    if (character.mark) return selected ? Look::SelectedMark : Look::Mark;
    if (selected) return Look::Selected;
    if (character.length > 1) return Look::Plain;
    if (control_.font.controlByte[b]) return Look::Control;
    return control_.font.undefined[b] ? Look::Greyed : Look::Plain;
  }
  // Adds one character to the run, which is drawn first when it looks otherwise or is full.
  void Add(const RowLayout::Character& character, unsigned char b, Look look, Colour colour, int y);
  void Flush(int y);
  void MarkSelectedBreak(const Row& row, std::int64_t x, int y);
  int ScreenX(std::int64_t x) const { return static_cast<int>(x - control_.xOffset) + TextLeft(control_); }

  const DocumentControl& control_;
  HDC dc_;
  const RowLayout& layout_;
  RECT area_;
  PositionRange selection_{-1, -1};
  COLORREF highlight_, highlightText_, greyText_, background_;

  // The run being gathered.
  wchar_t text_[RunCapacity];
  int widths_[RunCapacity];
  int count_ = 0;
  std::int64_t runX_ = 0;
  Look look_ = Look::Plain;
  Colour colour_ = 0;
};

void RowPainter::Flush(int y) {
  if (count_ == 0) return;
  int width = 0;
  for (int i = 0; i < count_; ++i) width += widths_[i];
  RECT box{ScreenX(runX_), y, ScreenX(runX_) + width, y + control_.font.lineHeight};
  COLORREF ink = colour_, paper = background_;
  switch (look_) {
    case Look::Selected:
    case Look::SelectedMark: ink = highlightText_, paper = highlight_; break;
    case Look::Greyed:
    case Look::Mark: ink = greyText_; break;
    case Look::Control: ink = background_, paper = greyText_; break;
    case Look::Plain: break;
  }
  SetTextColor(dc_, ink);
  SetBkColor(dc_, paper);
  bool mark = look_ == Look::Mark || look_ == Look::SelectedMark;
  HGDIOBJ old = mark ? SelectObject(dc_, control_.font.markFont) : nullptr;
  int top = mark ? y + control_.font.ascent - control_.font.markAscent : y;  // on the text's base line
  ExtTextOutW(dc_, box.left, top, ETO_OPAQUE | ETO_CLIPPED, &box, text_, static_cast<UINT>(count_), widths_);
  if (old) SelectObject(dc_, old);
  runX_ += width;
  count_ = 0;
}

void RowPainter::MarkSelectedBreak(const Row& row, std::int64_t x, int y) {
  if (!row.hardEnd || row.last || selection_.start > row.end || selection_.end <= row.end) return;
  RECT box{ScreenX(x), y, ScreenX(x) + std::max(2, control_.font.metrics.byteWidth[' ']), y + control_.font.lineHeight};
  SetBkColor(dc_, highlight_);
  ExtTextOutW(dc_, 0, 0, ETO_OPAQUE, &box, nullptr, 0, nullptr);
}

void RowPainter::Add(const RowLayout::Character& character, unsigned char b, Look look, Colour colour, int y) {
  wchar_t units[2];
  int count = DrawnUnits(control_.font, character, b, units);
  if (count_ + count > RunCapacity || (count_ > 0 && (look != look_ || colour != colour_))) Flush(y);
  look_ = look;
  colour_ = colour;
  ShareAdvance(count, character.advance, widths_ + count_);
  for (int k = 0; k < count; ++k) text_[count_++] = units[k];
}

std::int64_t RowPainter::Draw(const Row& row, int y) {
  std::int64_t right = control_.xOffset + (area_.right - area_.left) + TextLeft(control_);
  std::int64_t x = 0;
  Position position = control_.xOffset > 0 ? layout_.ByteAtX(row, control_.xOffset, x) : row.start;
  runX_ = x;
  count_ = 0;
  DocumentEngine::ColourRun colours{0, 0, 0};
  unsigned char bytes[ReadChunk + 1];
  while (position < row.end && x < right) {
    Position n = control_.engine.GetTextRange({position, std::min(row.end, position + ReadChunk)},
                                              reinterpret_cast<char*>(bytes), ReadChunk + 1);
    for (Position i = 0; i < n && x < right;) {
      // A character the chunk cuts is read again with the next chunk.
      if (layout_.CutsCharacter(bytes[i], n - i, position + (n - i) < row.end)) break;
      RowLayout::Character character = layout_.CharacterAt(bytes + i, static_cast<std::size_t>(n - i), x);
      if (position >= colours.end) colours = control_.engine.GetColourRun(position);
      Add(character, bytes[i], LookOf(position, character, bytes[i]), colours.colour, y);
      x += character.advance;
      i += character.length;
      position += character.length;
    }
  }
  Flush(y);
  if (position < row.end) return -1;
  MarkSelectedBreak(row, x, y);
  return x;
}

// The off-screen bitmap a paint draws in, released however the drawing ends.
struct OffScreen {
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ oldBitmap;
  HGDIOBJ oldFont = nullptr;
  OffScreen(HDC target, int width, int height)
      : dc(CreateCompatibleDC(target)),
        // A bitmap of the display's kind: under Wine a DIB section draws text
        // several times slower.
        bitmap(CreateCompatibleBitmap(target, width, height)),
        oldBitmap(SelectObject(dc, bitmap)) {}
  ~OffScreen() {
    if (oldFont) SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  OffScreen(const OffScreen&) = delete;
  OffScreen& operator=(const OffScreen&) = delete;
};

void PaintRows(DocumentControl& control, HDC dc, const RECT& update) {
  RECT area = TextArea(control);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  RowLayout layout = control.Layout();
  RowPainter painter(control, dc, layout);
  Row row = control.top;
  int rows = PartlyVisibleRows(control);
  for (int i = 0; i < rows; ++i) {
    int y = area.top + i * control.font.lineHeight;
    if (y >= update.bottom) break;
    if (y + control.font.lineHeight > update.top) {
      std::int64_t rowWidth = painter.Draw(row, y);
      if (!control.wrap) {
        // Without wrap the horizontal bar reaches the widest row seen so far.
        if (rowWidth < 0) {
          rowWidth = row.end - row.start < RowLayout::SegmentLength
                         ? layout.Width(row)
                         : std::int64_t{row.end - row.start} * control.font.averageWidth;
        }
        control.widestSeen = std::max(control.widestSeen, rowWidth + AtDpi(control, CaretWidthMargin));
      }
    }
    if (!layout.NextRow(row, row)) break;
  }
}

}  // namespace

void PaintControl(DocumentControl& control, HDC target, const RECT& update) {
  int width = std::max<int>(1, update.right - update.left), height = std::max<int>(1, update.bottom - update.top);
  // Drawn off screen in client coordinates, the bitmap covering only `update`.
  OffScreen screen(target, width, height);
  HDC dc = screen.dc;
  SetWindowOrgEx(dc, update.left, update.top, nullptr);
  screen.oldFont = SelectObject(dc, control.font.handle ? control.font.handle : GetStockObject(ANSI_FIXED_FONT));

  COLORREF background = control.systemBackground ? GetSysColor(COLOR_WINDOW) : control.background;
  SetBkColor(dc, background);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &update, nullptr, 0, nullptr);
  SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
  PaintRows(control, dc, update);

  SetWindowOrgEx(dc, 0, 0, nullptr);
  BitBlt(target, update.left, update.top, width, height, dc, 0, 0, SRCCOPY);
}

// A paint that fails for lack of memory still ends, or the system would ask
// for it again and again.
void OnPaint(DocumentControl& control) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(control.window, &paint);
  std::int64_t widest = control.widestSeen;
  try {
    if (dc) PaintControl(control, dc, paint.rcPaint);
  } catch (...) {
    EndPaint(control.window, &paint);
    throw;
  }
  EndPaint(control.window, &paint);
  if (control.widestSeen != widest) UpdateScrollBars(control);
}

void OnPrintClient(DocumentControl& control, HDC dc) {
  RECT client{};
  GetClientRect(control.window, &client);
  PaintControl(control, dc, client);
}
