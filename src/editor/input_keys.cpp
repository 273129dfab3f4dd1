#include "editor/input_keys.h"

#include <richedit.h>

#include "base/globals.h"
#include "editor/caret_report.h"
#include "editor/code_page_chord.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

namespace {

bool CtrlHeld() { return GetKeyState(VK_CONTROL) < 0; }

bool RepeatedKey(LPARAM keyData) { return (keyData & (1 << 30)) != 0; }

LRESULT Ask(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return SendMessageA(editorWindow, message, wParam, lParam);
}

bool SomethingSelected() { return Ask(EM_SELECTIONTYPE) != SEL_EMPTY; }

void ClearRecorded() {
  RecordUndo(UndoReplace, 0);
  Ask(WM_CLEAR);
}

// A selection that starts inside a line and ends with its line break keeps
// the line break; whole lines go with theirs.
void KeepLineBreakAfterPartOfALine() {
  ControlEditor editor;
  PositionRange selection = editor.GetSelection();
  if (selection.end - selection.start <= 2) return;
  std::string last = editor.GetTextRange({selection.end - 2, selection.end});
  if (last.size() != 2 || last[1] != '\n') return;
  auto line = static_cast<Position>(Ask(EM_EXLINEFROMCHAR, 0, selection.start));
  if (selection.start - static_cast<Position>(Ask(EM_LINEINDEX, line)) == 0) return;
  editor.SetSelection({selection.start, selection.end - 2});
}

// Delete and Backspace. With Ctrl the journal deletes the word itself (the
// control does, when its own undo is in use); otherwise a selection goes with
// its step and a single character is left to the control.
bool OnDeletionKey(UndoKind wordKind, UndoKind characterKind) {
  if (CtrlHeld()) {
    if (useEditorUndo) return false;
    RecordUndo(wordKind, 0);
    return true;
  }
  if (characterKind == UndoDelete) KeepLineBreakAfterPartOfALine();
  if (SomethingSelected()) {
    ClearRecorded();
    return true;
  }
  RecordUndo(characterKind, 0);
  return false;
}

// Ctrl+Y: the caret's line with its line break; the last line has none.
void DeleteCaretLine() {
  ControlEditor editor;
  Position caret = editor.GetSelection().start;
  auto line = static_cast<Position>(Ask(EM_EXLINEFROMCHAR, 0, caret));
  if (line < 0) return;
  auto from = static_cast<Position>(Ask(EM_LINEINDEX, line));
  if (from == -1) return;
  auto to = static_cast<Position>(Ask(EM_LINEINDEX, line + 1));
  if (to == -1) to = from + static_cast<Position>(Ask(EM_LINELENGTH, from));
  editor.SetSelection({from, to});
  RecordUndo(UndoReplace, 0);
  Ask(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(""));  // the control keeps the step too: its own undo when the journal is off
}

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// The control flips its own mode on the same key. With Ctrl or Shift it is
// Copy or Paste, which the program does as commands; such a key that comes
// this far (the command greyed, or both held) does nothing.
bool OnInsert() {
  if (CtrlHeld() || ShiftHeld()) return true;
  overwriteMode = !overwriteMode;
  ReportInsertMode();
  return false;
}

// The control's own clipboard and undo keys would change the text unrecorded
// and with the clipboard's bytes unconverted for the view. The program's
// versions arrive as commands through the accelerators; with an extra Shift,
// or while the command is greyed, the key does nothing.
bool IsControlsOwnEditingKey(WPARAM key) {
  switch (key) {
    case 'C':
    case 'V':
    case 'X':
    case 'Z':
      return CtrlHeld();
    case VK_DELETE:
      return ShiftHeld() && !CtrlHeld();  // Cut
    default:
      return false;
  }
}

}  // namespace

bool HandleEditingKey(WPARAM key, LPARAM keyData) {
  if (IsControlsOwnEditingKey(key)) return true;
  switch (key) {
    case VK_CONTROL:
      // A new press ends a pending chord; a held Ctrl repeating its key-down does not.
      if (!RepeatedKey(keyData)) ResetCodePageChord();
      return false;
    case VK_INSERT: return OnInsert();
    case VK_DELETE: return OnDeletionKey(UndoDeleteWordRight, UndoDelete);
    case VK_BACK: return OnDeletionKey(UndoDeleteWordLeft, UndoBackspace);
    case 'Y':
      if (!CtrlHeld()) return false;
      DeleteCaretLine();
      return true;
    default: return false;
  }
}
