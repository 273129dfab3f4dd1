// Scrolling: the scroll bars, the wheel, EM_LINESCROLL and its friends, and
// the position and character queries between points and positions.
#include <richedit.h>

#include <algorithm>

#include "control/control_geometry.h"
#include "control/control_messages.h"
#include "control/control_view.h"

namespace {

void AfterScroll(DocumentControl& control) {
  RefreshView(control);
}

// The top row a vertical scroll-bar position stands for.
void ScrollToBarPosition(DocumentControl& control, int position) {
  RowLayout layout = control.Layout();
  if (control.wrap) {
    control.top = layout.RowAt(position);
  } else {
    Position line = std::clamp(position, 0, control.engine.GetLineCount() - 1);
    control.top = layout.RowAt(control.engine.GetLineIndex(line));
  }
  ClampTop(control);
}

int TrackPosition(HWND window, int bar) {
  SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
  GetScrollInfo(window, bar, &info);
  return info.nTrackPos;
}

void OnVerticalScroll(DocumentControl& control, int request) {
  int page = std::max(1, VisibleRows(control) - 1);
  switch (request) {
    case SB_LINEUP: ScrollRows(control, -1); break;
    case SB_LINEDOWN: ScrollRows(control, 1); break;
    case SB_PAGEUP: ScrollRows(control, -page); break;
    case SB_PAGEDOWN: ScrollRows(control, page); break;
    case SB_TOP: ScrollToBarPosition(control, 0); break;
    case SB_BOTTOM: ScrollToBarPosition(control, control.engine.GetLength()); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToBarPosition(control, TrackPosition(control.window, SB_VERT)); break;
    default: return;
  }
  AfterScroll(control);
}

void OnHorizontalScroll(DocumentControl& control, int request) {
  if (control.wrap) return;
  RECT area = TextArea(control);
  int page = std::max<int>(1, area.right - area.left);
  int step = control.font.averageWidth;
  switch (request) {
    case SB_LINELEFT: ScrollToX(control, control.xOffset - step); break;
    case SB_LINERIGHT: ScrollToX(control, control.xOffset + step); break;
    case SB_PAGELEFT: ScrollToX(control, control.xOffset - page); break;
    case SB_PAGERIGHT: ScrollToX(control, control.xOffset + page); break;
    case SB_LEFT: ScrollToX(control, 0); break;
    case SB_RIGHT: ScrollToX(control, control.widestSeen - page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: ScrollToX(control, TrackPosition(control.window, SB_HORZ)); break;
    default: return;
  }
  AfterScroll(control);
}

void OnWheel(DocumentControl& control, int delta) {
  UINT lines = 3;
  SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  control.wheelRest += delta;
  int notches = control.wheelRest / WHEEL_DELTA;
  control.wheelRest -= notches * WHEEL_DELTA;
  if (notches == 0) return;
  if (lines == WHEEL_PAGESCROLL) lines = static_cast<UINT>(std::max(1, VisibleRows(control) - 1));
  ScrollRows(control, -static_cast<std::int64_t>(notches) * lines);
  AfterScroll(control);
}

LRESULT LineScroll(DocumentControl& control, WPARAM characters, LPARAM rows) {
  if (!control.multiline) return FALSE;
  ScrollRows(control, static_cast<int>(rows));
  ScrollToX(control, control.xOffset + static_cast<std::int64_t>(static_cast<int>(characters)) * control.font.averageWidth);
  AfterScroll(control);
  return TRUE;
}

LRESULT ScrollRequest(DocumentControl& control, WPARAM request) {
  Row before = control.top;
  int page = std::max(1, VisibleRows(control) - 1);
  std::int64_t moved = 0;
  switch (request) {
    case SB_LINEUP: moved = ScrollRows(control, -1); break;
    case SB_LINEDOWN: moved = ScrollRows(control, 1); break;
    case SB_PAGEUP: moved = ScrollRows(control, -page); break;
    case SB_PAGEDOWN: moved = ScrollRows(control, page); break;
    default: return FALSE;
  }
  AfterScroll(control);
  if (control.top == before) return MAKELRESULT(0, TRUE);
  return MAKELRESULT(static_cast<WORD>(static_cast<short>(moved)), TRUE);
}

LRESULT PositionFromChar(DocumentControl& control, WPARAM wParam, LPARAM lParam) {
  POINT point{};
  bool shown = PointOfPosition(control, static_cast<Position>(lParam), point);
  if (auto* out = reinterpret_cast<POINTL*>(wParam)) {
    out->x = shown ? point.x : -1;
    out->y = shown ? point.y : -1;
  }
  return 0;
}

LRESULT CharFromPosition(DocumentControl& control, LPARAM lParam) {
  auto* in = reinterpret_cast<const POINTL*>(lParam);
  if (!in) return -1;
  return PositionOfPoint(control, {in->x, in->y});
}

}  // namespace

bool HandleScrollMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_VSCROLL:
      OnVerticalScroll(control, LOWORD(wParam));
      return true;
    case WM_HSCROLL:
      OnHorizontalScroll(control, LOWORD(wParam));
      return true;
    case WM_MOUSEWHEEL:
      OnWheel(control, GET_WHEEL_DELTA_WPARAM(wParam));
      return true;
    case EM_LINESCROLL:
      result = LineScroll(control, wParam, lParam);
      return true;
    case EM_SCROLL:
      result = ScrollRequest(control, wParam);
      return true;
    case EM_SCROLLCARET:
      EnsureCaretVisible(control);
      AfterScroll(control);
      return true;
    case EM_GETFIRSTVISIBLELINE:
      result = FirstVisibleLine(control);
      return true;
    case EM_POSFROMCHAR:
      result = PositionFromChar(control, wParam, lParam);
      return true;
    case EM_CHARFROMPOS:
      result = CharFromPosition(control, lParam);
      return true;
    default:
      return false;
  }
}
