// The mouse: click, Shift+click, drag with auto-scroll, double-click for a
// word, the selection bar for whole rows, and a press on the selection that
// drags the selected text.
#include <richedit.h>

#include <algorithm>
#include <cstdlib>

#include "control/control_geometry.h"
#include "control/control_messages.h"
#include "control/control_view.h"
#include "control/drag_source.h"

namespace {

constexpr UINT_PTR AutoScrollTimer = 1;
constexpr UINT AutoScrollPeriod = 50;

POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

bool InSelectionBar(const DocumentControl& control, POINT point) {
  return control.selectionBar && point.x < AtDpi(control, SelectionBarWidth);
}

// The word a double-click at `position` means, with the blanks after it.
PositionRange WordAt(const DocumentControl& control, Position position) {
  const DocumentEngine& engine = control.engine;
  Row row = control.Layout().RowAt(position);
  Position c = position;
  unsigned char b = engine.GetByte(c);
  if ((c >= engine.GetLength() || b == '\r' || b == '\n') && c > row.start) c = engine.PreviousCharacter(c);
  Position start = std::min(engine.FindWordBreak(WordMove::Left, engine.NextCharacter(c)), c);
  Position end = std::min(engine.FindWordBreak(WordMove::Right, c), std::max(row.end, c));
  return {start, std::max(end, position)};
}

PositionRange RowRange(const Row& row) { return {row.start, row.last ? row.end : row.next}; }

// Extends a drag's selection to `point`, whole words or rows as it began.
void ExtendDrag(DocumentControl& control, POINT point) {
  RECT area = TextArea(control);
  // Beyond the view the drag reaches one row further per step: the timer
  // scrolls at a steady pace however far the mouse went.
  point.y = std::clamp<LONG>(point.y, area.top - 1, area.bottom + control.font.lineHeight / 2);
  PositionRange unit;
  if (control.drag == DragUnit::Row) {
    unit = RowRange(RowOfPoint(control, point.y));
  } else {
    Position position = PositionOfPoint(control, point);
    unit = control.drag == DragUnit::Word ? WordAt(control, position) : PositionRange{position, position};
  }
  if (unit.start < control.dragAnchorStart) {
    SelectByUser(control, control.dragAnchorEnd, unit.start);
  } else {
    SelectByUser(control, control.dragAnchorStart, unit.end);
  }
}

void BeginDrag(DocumentControl& control, DragUnit unit, PositionRange anchor, bool extend) {
  if (GetFocus() != control.window) SetFocus(control.window);
  SetCapture(control.window);
  control.drag = unit;
  if (extend) {
    // Shift+click keeps the far end of the selection.
    Position keep = SelectionAnchor(control);
    control.dragAnchorStart = control.dragAnchorEnd = keep;
    SelectByUser(control, keep, anchor.start < keep ? anchor.start : anchor.end);
    return;
  }
  control.dragAnchorStart = anchor.start;
  control.dragAnchorEnd = anchor.end;
  SelectByUser(control, anchor.start, anchor.end);
}

// A press on selected text may become a drag of it.
bool OnSelection(const DocumentControl& control, POINT point) {
  PositionRange selection = control.engine.GetSelection();
  if (selection.start == selection.end || InSelectionBar(control, point)) return false;
  Position position = PositionOfPoint(control, point);
  return position >= selection.start && position < selection.end;
}

void OnButtonDown(DocumentControl& control, POINT point, bool extend) {
  control.lastMouse = point;
  if (!extend && OnSelection(control, point)) {
    if (GetFocus() != control.window) SetFocus(control.window);
    SetCapture(control.window);
    control.drag = DragUnit::Text;
  } else if (InSelectionBar(control, point)) {
    BeginDrag(control, DragUnit::Row, RowRange(RowOfPoint(control, point.y)), extend);
  } else {
    Position position = PositionOfPoint(control, point);
    BeginDrag(control, DragUnit::Character, {position, position}, extend);
  }
}

void OnDoubleClick(DocumentControl& control, POINT point) {
  control.lastMouse = point;
  if (InSelectionBar(control, point)) {
    BeginDrag(control, DragUnit::Row, RowRange(RowOfPoint(control, point.y)), false);
  } else {
    BeginDrag(control, DragUnit::Word, WordAt(control, PositionOfPoint(control, point)), false);
  }
}

// Beyond the system's drag distance a press on the selection drags the text.
void OnPressMove(DocumentControl& control, POINT point) {
  if (std::abs(point.x - control.lastMouse.x) <= GetSystemMetrics(SM_CXDRAG) &&
      std::abs(point.y - control.lastMouse.y) <= GetSystemMetrics(SM_CYDRAG)) {
    return;
  }
  ReleaseCapture();
  control.drag = DragUnit::None;
  StartTextDrag(control);
}

// A press on the selection that never became a drag is a plain click.
void OnPressRelease(DocumentControl& control) {
  Position position = PositionOfPoint(control, control.lastMouse);
  SelectByUser(control, position, position);
}

void OnMouseMove(DocumentControl& control, POINT point) {
  if (control.drag == DragUnit::None || GetCapture() != control.window) return;
  if (control.drag == DragUnit::Text) {
    OnPressMove(control, point);
    return;
  }
  control.lastMouse = point;
  ExtendDrag(control, point);
  RECT area = TextArea(control);
  bool outside = point.y < area.top || point.y >= area.bottom || point.x < area.left || point.x >= area.right;
  if (outside) {
    SetTimer(control.window, AutoScrollTimer, AutoScrollPeriod, nullptr);
  } else {
    KillTimer(control.window, AutoScrollTimer);
  }
}

void EndDrag(DocumentControl& control) {
  control.drag = DragUnit::None;
  KillTimer(control.window, AutoScrollTimer);
}

bool OnSetCursor(DocumentControl& control, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  POINT point{};
  GetCursorPos(&point);
  ScreenToClient(control.window, &point);
  bool arrow = InSelectionBar(control, point) || OnSelection(control, point);
  SetCursor(LoadCursor(nullptr, arrow ? IDC_ARROW : IDC_IBEAM));
  return true;
}

}  // namespace

bool HandleMouseMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_LBUTTONDOWN:
      OnButtonDown(control, PointOf(lParam), (wParam & MK_SHIFT) != 0);
      return true;
    case WM_LBUTTONDBLCLK:
      OnDoubleClick(control, PointOf(lParam));
      return true;
    case WM_MOUSEMOVE:
      OnMouseMove(control, PointOf(lParam));
      return true;
    case WM_LBUTTONUP:
      if (control.drag == DragUnit::Text) OnPressRelease(control);
      if (GetCapture() == control.window) ReleaseCapture();
      EndDrag(control);
      return true;
    case WM_CAPTURECHANGED:
      EndDrag(control);
      return true;
    case WM_TIMER:
      if (wParam != AutoScrollTimer) return false;
      if (control.drag != DragUnit::None) ExtendDrag(control, control.lastMouse);
      return true;
    case WM_SETCURSOR:
      if (!OnSetCursor(control, lParam)) return false;
      result = TRUE;
      return true;
    default:
      return false;
  }
}
