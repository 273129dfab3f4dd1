// Keys and typed characters: caret movement with and without Shift, typing,
// Enter, Tab, Backspace, Delete, insert and overwrite.
#include <algorithm>
#include <string>

#include "codepages/utf8.h"
#include "control/control_caret.h"
#include "control/control_editing.h"
#include "control/control_geometry.h"
#include "control/control_messages.h"
#include "control/control_view.h"

namespace {

bool KeyDown(int key) { return GetKeyState(key) < 0; }

// A CR LF pair is one step for the caret and for Delete and Backspace; so is
// a character, several bytes in UTF-8.
Position NextStop(const DocumentEngine& engine, Position p) {
  if (p >= engine.GetLength()) return p;
  return engine.GetByte(p) == '\r' && engine.GetByte(p + 1) == '\n' ? p + 2 : engine.NextCharacter(p);
}

Position PreviousStop(const DocumentEngine& engine, Position p) {
  if (p <= 0) return 0;
  return p >= 2 && engine.GetByte(p - 2) == '\r' && engine.GetByte(p - 1) == '\n' ? p - 2 : engine.PreviousCharacter(p);
}

void MoveCaret(DocumentControl& control, Position target, bool extend, bool keepGoal = false) {
  Position anchor = extend ? SelectionAnchor(control) : target;
  SelectByUser(control, anchor, target, keepGoal);
}

// Up, Down and the page keys: `rows` rows away at the column the caret aims at.
void MoveCaretByRows(DocumentControl& control, std::int64_t rows, bool extend) {
  RowLayout layout = control.Layout();
  Position caret = control.engine.GetCaret();
  Row row = layout.RowAt(caret);
  if (control.goalX < 0) control.goalX = layout.XOf(row, caret);
  layout.MoveRows(row, rows);
  MoveCaret(control, layout.PositionAtX(row, control.goalX), extend, true);
}

void PageCaret(DocumentControl& control, int direction, bool extend) {
  int page = std::max(1, VisibleRows(control) - 1);
  Position top = control.top.start;
  ScrollRows(control, static_cast<std::int64_t>(direction) * page);
  MoveCaretByRows(control, static_cast<std::int64_t>(direction) * page, extend);
  // The caret kept its place on screen, so only the scroll calls for a repaint.
  if (control.top.start != top) RefreshView(control);
}

void MoveHorizontally(DocumentControl& control, bool right, bool word, bool extend) {
  const DocumentEngine& engine = control.engine;
  PositionRange selection = engine.GetSelection();
  Position caret = engine.GetCaret();
  Position target;
  if (word) {
    target = engine.FindWordBreak(right ? WordMove::Right : WordMove::Left, caret);
  } else if (!extend && selection.start != selection.end) {
    target = right ? selection.end : selection.start;  // an arrow collapses the selection to its side
  } else {
    target = right ? NextStop(engine, caret) : PreviousStop(engine, caret);
  }
  MoveCaret(control, target, extend);
}

void MoveToRowEdge(DocumentControl& control, bool end, bool wholeText, bool extend) {
  Position target;
  if (wholeText) {
    target = end ? control.engine.GetLength() : 0;
  } else {
    RowLayout layout = control.Layout();
    Row row = layout.RowAt(control.engine.GetCaret());
    target = end ? layout.CaretEnd(row) : row.start;
  }
  MoveCaret(control, target, extend);
}

// Deletes the selection, or from the caret to `to` when nothing is selected.
void DeleteTowards(DocumentControl& control, Position to) {
  if (control.readOnly) return;
  if (control.engine.GetSelectionType() == 0) {
    Position caret = control.engine.GetCaret();
    if (to == caret) return;
    control.engine.SetSelection(caret, to);
  }
  ReplaceSelection(control, {}, UndoAction::Separate);
}

void OnDelete(DocumentControl& control, bool word) {
  const DocumentEngine& engine = control.engine;
  Position caret = engine.GetCaret();
  DeleteTowards(control, word ? engine.FindWordBreak(WordMove::Right, caret) : NextStop(engine, caret));
}

void OnBackspace(DocumentControl& control, bool word) {
  const DocumentEngine& engine = control.engine;
  Position caret = engine.GetCaret();
  DeleteTowards(control, word ? engine.FindWordBreak(WordMove::Left, caret) : PreviousStop(engine, caret));
}

void OnInsertKey(DocumentControl& control, bool shift, bool ctrl) {
  if (ctrl) {
    SendMessageA(control.window, WM_COPY, 0, 0);
  } else if (shift) {
    SendMessageA(control.window, WM_PASTE, 0, 0);
  } else {
    control.overwrite = !control.overwrite;
  }
}

bool OnKeyDown(DocumentControl& control, WPARAM key) {
  bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
  switch (key) {
    case VK_LEFT: MoveHorizontally(control, false, ctrl, shift); return true;
    case VK_RIGHT: MoveHorizontally(control, true, ctrl, shift); return true;
    case VK_UP:
    case VK_DOWN:
      if (ctrl) {
        ScrollRows(control, key == VK_UP ? -1 : 1);
        RefreshView(control);
      } else {
        MoveCaretByRows(control, key == VK_UP ? -1 : 1, shift);
      }
      return true;
    case VK_HOME: MoveToRowEdge(control, false, ctrl, shift); return true;
    case VK_END: MoveToRowEdge(control, true, ctrl, shift); return true;
    case VK_PRIOR: PageCaret(control, -1, shift); return true;
    case VK_NEXT: PageCaret(control, 1, shift); return true;
    case VK_DELETE:
      if (shift && !ctrl) {
        SendMessageA(control.window, WM_CUT, 0, 0);
      } else {
        OnDelete(control, ctrl);
      }
      return true;
    case VK_BACK: OnBackspace(control, ctrl); return true;
    case VK_INSERT: OnInsertKey(control, shift, ctrl); return true;
    default: break;
  }
  if (!ctrl || KeyDown(VK_MENU)) return false;
  switch (key) {
    case 'A': SelectByUser(control, 0, control.engine.GetLength()); return true;
    case 'C': SendMessageA(control.window, WM_COPY, 0, 0); return true;
    case 'X': SendMessageA(control.window, WM_CUT, 0, 0); return true;
    case 'V': SendMessageA(control.window, WM_PASTE, 0, 0); return true;
    case 'Z': SendMessageA(control.window, EM_UNDO, 0, 0); return true;
    default: return false;
  }
}

// Overwrite replaces the character after the caret, but never a line break.
void SelectOverwritten(DocumentControl& control) {
  const DocumentEngine& engine = control.engine;
  if (!control.overwrite || engine.GetSelectionType() != 0) return;
  Position caret = engine.GetCaret();
  unsigned char next = engine.GetByte(caret);
  if (caret < engine.GetLength() && next != '\r' && next != '\n') control.engine.SetSelection(caret, engine.NextCharacter(caret));
}

// What a typed character inserts. The window is ANSI, so WM_CHAR brings a
// byte of the system's code page: the single-byte views take it as it is, the
// UTF-8 view takes the character it stands for. WM_UNICHAR brings any
// character, which only the UTF-8 view can always hold.
std::string TypedBytes(const DocumentControl& control, WPARAM code, bool unicode) {
  if (!unicode) {
    auto b = static_cast<char>(code);
    if (control.viewCodePage != Utf8 || static_cast<unsigned char>(b) < 0x80) return std::string(1, b);
    wchar_t wide = 0;
    if (MultiByteToWideChar(CP_ACP, 0, &b, 1, &wide, 1) != 1) return {};
    code = wide;
  }
  char bytes[maxUtf8Length];
  return std::string(bytes, EncodeUtf8(static_cast<char32_t>(code), bytes));
}

void OnChar(DocumentControl& control, WPARAM code, bool unicode = false) {
  if (control.readOnly) return;
  std::string text;
  if (code == '\r' || code == '\n') {
    if (!control.multiline) return;
    text = "\r\n";
  } else if (code == '\t' || (code >= 0x20 && code != 0x7F)) {
    // Backspace (8) and Ctrl+Backspace (127) were done on their key; other
    // control characters come from Ctrl chords, not from typing.
    text = TypedBytes(control, code, unicode);
    if (text.empty()) return;
    SelectOverwritten(control);
  } else {
    return;
  }
  if (!ReplaceSelection(control, text, UndoAction::Typing)) MessageBeep(MB_OK);
}

LRESULT DialogCode(const DocumentControl& control, const MSG* message) {
  LRESULT code = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
  if (!control.multiline) return code;
  if (message && message->message == WM_KEYDOWN) {
    WPARAM key = message->wParam;
    // Escape belongs to the dialog; so do Enter and Tab when nothing can be typed.
    if (key == VK_ESCAPE || (control.readOnly && (key == VK_RETURN || key == VK_TAB))) return code;
  }
  return code | DLGC_WANTALLKEYS;
}

}  // namespace

bool HandleKeyboardMessage(DocumentControl& control, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_KEYDOWN:
      return OnKeyDown(control, wParam);
    case WM_CHAR:
      OnChar(control, wParam & 0xFF);
      return true;
    case WM_UNICHAR:
      // Asked whether it is understood, or given a character: only the UTF-8
      // view takes them; the others leave them to the system, which sends
      // WM_CHAR in the system's code page.
      if (control.viewCodePage != Utf8) return false;
      if (wParam == UNICODE_NOCHAR) {
        result = TRUE;
      } else if (wParam <= maxCodePoint) {
        OnChar(control, wParam, true);
      }
      return true;
    case WM_GETDLGCODE:
      result = DialogCode(control, reinterpret_cast<const MSG*>(lParam));
      return true;
    default:
      return false;
  }
}
