#include "control/control_caret.h"

#include <utility>

#include "control/control_geometry.h"

void PlaceCaret(DocumentControl& control) {
  if (!control.focused || !control.redraw) return;
  POINT point{};
  if (PointOfPosition(control, control.engine.GetCaret(), point)) {
    SetCaretPos(point.x, point.y);
  } else {
    SetCaretPos(-1000, -1000);
  }
}

void ResizeCaret(DocumentControl& control) {
  if (!control.focused) return;
  DestroyCaret();
  CreateCaret(control.window, nullptr, AtDpi(control, CaretWidth), control.font.lineHeight);
  PlaceCaret(control);
  ShowCaret(control.window);
}

void OnSetFocus(DocumentControl& control) {
  control.focused = true;
  control.selectionShown = true;
  CreateCaret(control.window, nullptr, AtDpi(control, CaretWidth), control.font.lineHeight);
  PlaceCaret(control);
  ShowCaret(control.window);
  if (control.engine.GetSelectionType() != 0 && control.redraw) InvalidateRect(control.window, nullptr, FALSE);
}

void OnKillFocus(DocumentControl& control) {
  control.focused = false;
  control.selectionShown = control.noHideSelection;
  HideCaret(control.window);
  DestroyCaret();
  if (control.engine.GetSelectionType() != 0 && control.redraw) InvalidateRect(control.window, nullptr, FALSE);
}

void HideSelection(DocumentControl& control, bool hide, bool changeStyle) {
  if (changeStyle) {
    control.noHideSelection = !hide;
    LONG style = GetWindowLongA(control.window, GWL_STYLE);
    SetWindowLongA(control.window, GWL_STYLE, hide ? style & ~ES_NOHIDESEL : style | ES_NOHIDESEL);
  }
  // A focused control always shows its selection; hiding takes effect when
  // the focus goes elsewhere.
  control.selectionShown = control.focused || !hide;
  if (control.redraw) InvalidateRect(control.window, nullptr, FALSE);
}

void ShowDropCaret(DocumentControl& control, Position position) {
  if (!control.focused && !control.dropCaretMade) {
    if (GetFocus()) return;  // another window of the thread owns the caret
    CreateCaret(control.window, nullptr, AtDpi(control, CaretWidth), control.font.lineHeight);
    ShowCaret(control.window);
    control.dropCaretMade = true;
  }
  POINT point{};
  if (!PointOfPosition(control, position, point)) point = {-1000, -1000};
  SetCaretPos(point.x, point.y);
}

void HideDropCaret(DocumentControl& control) {
  if (std::exchange(control.dropCaretMade, false) && !control.focused) {
    DestroyCaret();
  } else {
    PlaceCaret(control);
  }
}
