#include "editor/input_typing.h"

#include <richedit.h>

#include "codepages/unicode_maps.h"
#include "codepages/utf8.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"

namespace {

constexpr unsigned char oemSmallA[] = "\xA0";  // "а" in DOS-866

bool Recorded(unsigned code) { return code == '\t' || (code >= 32 && code <= 126) || (code >= 128 && code <= 255); }

// A character that names no key (scan code 0) was sent by a program, not typed.
bool FromKey(LPARAM keyData, UINT key) {
  UINT scanCode = (static_cast<UINT>(keyData) >> 16) & 0xFF;
  return scanCode == 0 || scanCode == MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
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

// In the UTF-8 view a typed character goes in as its UTF-8 bytes, whatever it
// is. Overwrite takes the next character, all its bytes, but never a line break.
void PutUtf8Character(HWND window, char32_t character, PositionRange selection) {
  char bytes[maxUtf8Length + 1] = {};
  const std::size_t length = EncodeUtf8(character, bytes);
  if (length == 0) return;
  ControlEditor editor;
  // An overwrite is recorded before the character it takes is selected: its undo
  // puts the caret back, not that selection.
  const bool overwriting = overwriteMode && selection.start == selection.end;
  RecordUndo(overwriting ? UndoOverwrite : UndoTyping, static_cast<int32_t>(length));  // over a selection: a replacement
  if (overwriting) {
    std::string next = editor.GetTextRange({selection.start, selection.start + static_cast<Position>(maxUtf8Length)});
    if (!next.empty() && next[0] != '\r' && next[0] != '\n') {
      const Utf8Sequence sequence = DecodeUtf8(reinterpret_cast<const unsigned char*>(next.data()), next.size());
      const Position size = sequence.status == Utf8Status::Valid ? sequence.length : 1;
      CHARRANGE extended{selection.start, selection.start + size};
      CallWindowProcA(editorBaseProc, window, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&extended));
    }
  }
  CallWindowProcA(editorBaseProc, window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(bytes));
}

// A character beyond ASCII in a single-byte view goes in as the view's byte
// for it; one the view's code page lacks is refused with a beep.
void PutViewCharacter(HWND window, char32_t character, LPARAM keyData) {
  const int byte = UnicodeToByte(viewCodePage, character);
  if (byte < 0) {
    MessageBeep(MB_OK);
    return;
  }
  ControlEditor editor;
  PositionRange selection = editor.GetSelection();
  bool spared = KeepTrailingLineBreak(editor, selection);
  RecordTyped();
  if (!spared && viewCodePage == Oem && byte == oemSmallA[0] && selection.start == selection.end) {
    PutSmallAInOemView(window, selection.start);
    return;
  }
  CallWindowProcA(editorBaseProc, window, WM_CHAR, static_cast<WPARAM>(byte), keyData);
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
  if (k >= 0x80) {  // a byte of the system's code page, from a program that posts ANSI characters
    const char byte = static_cast<char>(k);
    wchar_t character = 0;
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &character, 1) == 1) TypeCharacter(window, character, keyData);
    return false;
  }
  ControlEditor editor;
  KeepTrailingLineBreak(editor, editor.GetSelection());
  RecordTyped();
  return true;
}

void TypeCharacter(HWND window, char32_t character, LPARAM keyData) {
  if (character < 0x80) {
    WPARAM code = character;
    if (PrepareTypedCharacter(window, code, keyData)) CallWindowProcA(editorBaseProc, window, WM_CHAR, code, keyData);
    return;
  }
  if (viewCodePage != Utf8) {
    PutViewCharacter(window, character, keyData);
    return;
  }
  ControlEditor editor;
  PositionRange selection = editor.GetSelection();
  PutUtf8Character(window, character, KeepTrailingLineBreak(editor, selection) ? editor.GetSelection() : selection);
}
