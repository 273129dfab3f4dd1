#include "control/control_view.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <new>

#include "control/control_caret.h"
#include "control/control_geometry.h"

namespace {

int ClampToInt(std::int64_t value) { return static_cast<int>(std::clamp<std::int64_t>(value, 0, INT_MAX)); }

// The topmost row that still fills the view down to the end of the text.
Row LowestTop(const DocumentControl& control, const RowLayout& layout) {
  Row row = layout.RowAt(control.engine.GetLength());
  layout.MoveRows(row, -(VisibleRows(control) - 1));
  return row;
}

// Where a bar's thumb is drawn along a track of `track` pixels; zero size
// when the bar has nothing to scroll and is hidden.
struct Thumb {
  int start = 0;
  int size = 0;
  bool operator==(const Thumb&) const = default;
};

Thumb ThumbOf(const SCROLLINFO& info, int track) {
  std::int64_t range = std::int64_t{info.nMax} - info.nMin + 1;
  if (info.cbSize == 0 || range <= static_cast<std::int64_t>(info.nPage)) return {};
  track = std::max(track, 1);
  std::int64_t size = std::max<std::int64_t>(std::int64_t{track} * info.nPage / range, 6);
  std::int64_t travel = range - info.nPage;
  std::int64_t start = travel > 0 ? (track - size) * (std::int64_t{info.nPos} - info.nMin) / travel : 0;
  return {static_cast<int>(start), static_cast<int>(size)};
}

// Sets a scroll bar when it changes, and redraws it only when its thumb
// moves: under Wine a redrawn bar costs milliseconds, and typing changes the
// range of the bar with every character.
void SetBar(HWND window, int bar, SCROLLINFO& info, SCROLLINFO& shown) {
  if (shown.cbSize == sizeof shown && shown.nMin == info.nMin && shown.nMax == info.nMax && shown.nPage == info.nPage &&
      shown.nPos == info.nPos) {
    return;
  }
  RECT client{};
  GetClientRect(window, &client);
  int track = bar == SB_VERT ? client.bottom - 2 * GetSystemMetrics(SM_CYVSCROLL)
                             : client.right - 2 * GetSystemMetrics(SM_CXHSCROLL);
  bool redraw = !(ThumbOf(info, track) == ThumbOf(shown, track));
  SetScrollInfo(window, bar, &info, redraw ? TRUE : FALSE);
  shown = info;
}

}  // namespace

void ClampTop(DocumentControl& control) {
  RowLayout layout = control.Layout();
  control.top = layout.RowAt(control.top.start);
  Row bottom = control.top;
  if (layout.MoveRows(bottom, VisibleRows(control) - 1) < VisibleRows(control) - 1 && control.top.start > 0) {
    Row lowest = LowestTop(control, layout);
    if (lowest.start < control.top.start) control.top = lowest;
  }
}

std::int64_t ScrollRows(DocumentControl& control, std::int64_t rows) {
  control.caretToShow = false;  // a scroll asked for wins over a caret waiting to be shown
  RowLayout layout = control.Layout();
  if (rows <= 0) return layout.MoveRows(control.top, rows);
  // Never further down than the top that shows the end of the text.
  Row lowest = LowestTop(control, layout);
  if (control.top.start >= lowest.start) return 0;
  if (!layout.Wraps()) {
    Position line = control.engine.GetLineFromPosition(control.top.start);
    layout.MoveRows(control.top, rows);
    if (control.top.start > lowest.start) control.top = lowest;
    return control.engine.GetLineFromPosition(control.top.start) - line;
  }
  std::int64_t moved = 0;
  Row next;
  while (moved < rows && control.top.start < lowest.start && layout.NextRow(control.top, next)) {
    control.top = next;
    ++moved;
  }
  return moved;
}

void ScrollToX(DocumentControl& control, std::int64_t x) {
  control.xOffset = control.wrap ? 0 : std::max<std::int64_t>(0, x);
}

Position FirstVisibleLine(DocumentControl& control) {
  Position line = control.engine.GetLineFromPosition(control.top.start);
  if (!control.wrap) return line;
  RowLayout layout = control.Layout();
  ScreenLineMark& mark = control.screenLineMark;
  std::int64_t value;
  if (mark.valid && std::abs(std::int64_t{control.top.start} - mark.position) <= NearViewBytes) {
    // Near the last answer, count the rows between: answers stay consistent
    // with EM_LINESCROLL, which moves by rows.
    Row row = layout.RowAt(mark.position);
    std::int64_t rows = 0;
    Row next;
    while (row.start < control.top.start && layout.NextRow(row, next)) row = next, ++rows;
    while (row.start > control.top.start && layout.PreviousRow(row, next)) row = next, --rows;
    value = mark.value + rows;
  } else {
    // Far from it, lines above the view count one row each.
    value = line + layout.RowInLine(control.top);
  }
  value = std::clamp<std::int64_t>(value, 0, INT_MAX);
  mark = {control.top.start, value, true};
  return static_cast<Position>(value);
}

void EnsureCaretVisible(DocumentControl& control) {
  if (!control.redraw) {  // done when drawing is back
    control.caretToShow = true;
    return;
  }
  RowLayout layout = control.Layout();
  Position caret = control.engine.GetCaret();
  Row caretRow = layout.RowAt(caret);
  int rows = VisibleRows(control);
  if (caretRow.start < control.top.start) {
    control.top = caretRow;
  } else {
    Row row = control.top;
    int index = 0;
    while (index < rows && row.start < caretRow.start && layout.NextRow(row, row)) ++index;
    if (row.start != caretRow.start || index >= rows) {
      control.top = caretRow;
      layout.MoveRows(control.top, -(rows - 1));
    }
  }
  if (control.wrap) return;
  RECT area = TextArea(control);
  std::int64_t width = std::max<std::int64_t>(1, area.right - area.left);
  std::int64_t x = layout.XOf(caretRow, caret);
  const int caretWidth = AtDpi(control, CaretWidth);
  control.widestSeen = std::max(control.widestSeen, x + caretWidth);
  if (x < control.xOffset) {
    ScrollToX(control, x - width / 4);
  } else if (x + caretWidth > control.xOffset + width) {
    ScrollToX(control, x + caretWidth - width * 3 / 4);
  }
}

void AfterReplace(DocumentControl& control, Position at, Position removed, Position inserted) {
  control.xCache.Replaced(at, removed, inserted);
  Position top = control.top.start;
  if (at + removed <= top) {
    top += inserted - removed;
  } else if (at < top) {
    top = at;
  }
  control.top.start = top;
  // While nothing is drawn, a run of edits below the top (a replace run) need
  // not measure the rows of the view after each one: the top row still starts
  // where it did, and the view is settled when drawing is back.
  if (!control.redraw && at >= top) {
    if (at <= control.top.next) control.top = control.Layout().RowAt(top);
    return;
  }
  ClampTop(control);
}

void AfterWholeText(DocumentControl& control) {
  control.xCache.Clear();
  control.top = control.Layout().RowAt(0);
  control.xOffset = 0;
  control.widestSeen = 0;
  control.goalX = -1;
}

void AfterLayoutChange(DocumentControl& control) {
  control.xCache.Clear();
  control.widestSeen = 0;
  control.goalX = -1;
  if (control.wrap) control.xOffset = 0;
  ClampTop(control);
}

void RecoverView(DocumentControl& control) noexcept {
  try {
    AfterLayoutChange(control);
    RefreshView(control);
  } catch (const std::bad_alloc&) {
    InvalidateRect(control.window, nullptr, TRUE);
  }
}

void RefreshView(DocumentControl& control) {
  if (!control.redraw) return;
  UpdateScrollBars(control);
  PlaceCaret(control);
  InvalidateRect(control.window, nullptr, FALSE);
}

void RefreshRows(DocumentControl& control, Position from, Position to) {
  if (!control.redraw) return;
  UpdateScrollBars(control);
  PlaceCaret(control);
  RowLayout layout = control.Layout();
  Row first = layout.RowAt(from);
  Row last = to < 0 ? first : layout.RowAt(to);
  int rows = PartlyVisibleRows(control);
  int firstIndex = first.start < control.top.start ? 0 : -1, lastIndex = to < 0 ? rows : -1;
  Row row = control.top;
  for (int i = 0; i < rows && (firstIndex < 0 || lastIndex < 0); ++i) {
    if (firstIndex < 0 && row.start == first.start) firstIndex = i;
    if (lastIndex < 0 && row.start == last.start) lastIndex = i;
    if (!layout.NextRow(row, row)) break;
  }
  if (firstIndex < 0) return;  // below the view
  if (lastIndex < 0) lastIndex = rows;
  RECT area = TextArea(control);
  RECT dirty{0, area.top + firstIndex * control.font.lineHeight, area.right,
             area.top + (lastIndex + 1) * control.font.lineHeight};
  InvalidateRect(control.window, &dirty, FALSE);
}

void UpdateScrollBars(DocumentControl& control) {
  if (!control.redraw || control.updatingScrollBars) return;
  control.updatingScrollBars = true;
  RowLayout layout = control.Layout();
  if (control.verticalBarWanted) {
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    int rows = VisibleRows(control);
    if (control.wrap) {
      // Without a count of all rows, the bar measures bytes: rows of the same
      // width hold about the same number of bytes.
      Row bottom = control.top;
      bool end = layout.MoveRows(bottom, rows - 1) < rows - 1 || bottom.last;
      info.nMax = control.engine.GetLength();
      info.nPos = control.top.start;
      info.nPage = end && control.top.start == 0 ? static_cast<UINT>(info.nMax) + 1
                                                  : static_cast<UINT>(std::max(1, bottom.next - control.top.start));
    } else {
      info.nMax = control.engine.GetLineCount() - 1;
      info.nPos = control.engine.GetLineFromPosition(control.top.start);
      info.nPage = static_cast<UINT>(rows);
    }
    SetBar(control.window, SB_VERT, info, control.verticalBar);
  }
  if (control.horizontalBarWanted && !control.wrap) {
    RECT area = TextArea(control);
    int width = std::max<int>(1, area.right - area.left);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    // nMax is the last pixel: a text no wider than the view needs no bar.
    info.nMax = ClampToInt(std::max(control.widestSeen, control.xOffset + width) - 1);
    info.nPage = static_cast<UINT>(width);
    info.nPos = ClampToInt(control.xOffset);
    SetBar(control.window, SB_HORZ, info, control.horizontalBar);
  }
  control.updatingScrollBars = false;
}

Position SelectionAnchor(const DocumentControl& control) {
  PositionRange selection = control.engine.GetSelection();
  return control.engine.GetCaret() == selection.start ? selection.end : selection.start;
}

void KeepSelectionOnCharacters(DocumentControl& control) {
  DocumentEngine& engine = control.engine;
  Position anchor = SelectionAnchor(control), caret = engine.GetCaret();
  if (engine.CharacterStart(anchor) != anchor || engine.CharacterStart(caret) != caret) {
    engine.SetSelection(engine.CharacterStart(anchor), engine.CharacterStart(caret));
  }
}

void SelectByUser(DocumentControl& control, Position anchor, Position caret, bool keepGoal) {
  PositionRange before = control.engine.GetSelection();
  Position topBefore = control.top.start;
  std::int64_t xBefore = control.xOffset;
  control.engine.SetSelection(anchor, caret);
  if (!keepGoal) control.goalX = -1;
  EnsureCaretVisible(control);
  if (control.top.start != topBefore || control.xOffset != xBefore) {
    RefreshView(control);
    return;
  }
  // The view stays: only the rows whose highlight changed are drawn again.
  PlaceCaret(control);
  if (!control.selectionShown) return;
  PositionRange after = control.engine.GetSelection();
  bool wasEmpty = before.start == before.end, isEmpty = after.start == after.end;
  if (wasEmpty && isEmpty) return;
  if (wasEmpty) before = {after.start, after.start};
  if (isEmpty) after = {before.start, before.start};
  if (before.start != after.start) {
    RefreshRows(control, std::min(before.start, after.start), std::max(before.start, after.start));
  }
  if (before.end != after.end) RefreshRows(control, std::min(before.end, after.end), std::max(before.end, after.end));
}
