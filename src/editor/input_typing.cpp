#include "editor/input_typing.h"

#include <richedit.h>

#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"

namespace {

constexpr unsigned char ansiSmallA = 0xE0;  // "а"; its DOS-866 code is 0xA0
constexpr char oemSmallA[] = "\xA0";

bool Recorded(unsigned code) { return code == '\t' || (code >= 32 && code <= 126) || (code >= 128 && code <= 255); }

// A character that names no key (scan code 0) was sent by a program, not typed.
bool FromKey(LPARAM keyData, UINT key) {
  UINT scanCode = (static_cast<UINT>(keyData) >> 16) & 0xFF;
  return scanCode == 0 || scanCode == MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
}

void RecordTyped() { RecordUndo(overwriteMode ? UndoOverwrite : UndoTyping, 1); }

// Typing over a block that ends with a line break keeps the line break.
// True when the selection was shortened.
bool KeepTrailingLineBreak(ControlEditor& editor, PositionRange selection) {
  if (selection.end - selection.start <= 2) return false;
  if (editor.GetTextRange({selection.end - 2, selection.end}) != "\r\n") return false;
  editor.SetSelection({selection.start, selection.end - 2});
  return true;
}

// "а" in the DOS-866 view goes in as its byte directly. Overwrite takes the
// next byte, as the control's own typing does, but never a line break.
void PutSmallAInOemView(HWND window, Position caret) {
  if (overwriteMode) {
    ControlEditor editor;
    std::string next = editor.GetTextRange({caret, caret + 1});
    if (next.size() == 1 && next != "\r" && next != "\n") {
      CHARRANGE extended{caret, caret + 1};
      CallWindowProcA(editorBaseProc, window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&extended));
    }
  }
  CallWindowProcA(editorBaseProc, window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(oemSmallA));
}

}  // namespace

bool PrepareTypedCharacter(HWND window, WPARAM& code, LPARAM keyData) {
  auto k = static_cast<unsigned>(code);
  if (k == '\r' || k == '\n' || k == '\t') {
    // Ctrl+M, Ctrl+J and Ctrl+I spell these too; only Enter and Tab type them.
    if (!FromKey(keyData, k == '\t' ? VK_TAB : VK_RETURN)) return false;
    // The control puts a CR LF pair for either line-break character.
    if (k != '\t') {
      RecordUndo(UndoEnter, 2);
      return true;
    }
  }
  if (!Recorded(k)) return true;  // other control characters go on untranslated; the control ignores them
  ControlEditor editor;
  PositionRange selection = editor.GetSelection();
  bool spared = KeepTrailingLineBreak(editor, selection);
  if (!spared && viewCodePage == Oem && k == ansiSmallA && selection.start == selection.end) {
    RecordTyped();
    PutSmallAInOemView(window, selection.start);
    return false;
  }
  RecordTyped();
  code = AnsiToView(static_cast<unsigned char>(k), viewCodePage);
  return true;
}
