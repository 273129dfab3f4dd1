#include "editor/editor_input.h"


#include "base/globals.h"
#include "base/last_resort.h"
#include "base/status_reports.h"
#include "base/window_messages.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "editor/input_keys.h"
#include "editor/input_typing.h"

namespace {

bool SameKey(LPARAM keyData, LPARAM characterData) { return ((keyData ^ characterData) & 0x01FF0000) == 0; }

// The loop has already turned the key into a character (Ctrl+J into a line
// feed); once the key is a command, that character must not reach the text.
void DropCharacterOfKey(HWND window, UINT keyMessage, LPARAM keyData) {
  UINT first = keyMessage == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
  UINT last = keyMessage == WM_SYSKEYDOWN ? WM_SYSDEADCHAR : WM_DEADCHAR;
  MSG queued;
  while (PeekMessageA(&queued, window, first, last, PM_NOREMOVE) && SameKey(keyData, queued.lParam)) {
    PeekMessageA(&queued, window, first, last, PM_REMOVE);
  }
}

// Accelerators act while the editor has the focus: the loop does not translate
// them, this procedure does, with the main window as the command's target.
bool TranslateForMainWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!accelerators || !mainWindow) return false;
  MSG record{};
  record.hwnd = mainWindow;
  record.message = message;
  record.wParam = wParam;
  record.lParam = lParam;
  if (!TranslateAcceleratorW(mainWindow, accelerators, &record)) return false;
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) DropCharacterOfKey(window, message, lParam);
  // The default procedure learns that a key came with Alt, as it would have
  // without the accelerator; otherwise releasing Alt (after Alt+F2, say)
  // would put the menu bar in keyboard mode.
  if (message == WM_SYSKEYDOWN && wParam != VK_F4) DefWindowProcW(mainWindow, message, wParam, lParam);
  return true;
}


}  // namespace

static LRESULT EditorInputProcUnguarded(HWND, UINT, WPARAM, LPARAM);

LRESULT CALLBACK EditorInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return Guarded([&] { return EditorInputProcUnguarded(window, message, wParam, lParam); }, LRESULT{0});
}

static LRESULT EditorInputProcUnguarded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (TranslateForMainWindow(window, message, wParam, lParam)) return 0;
  switch (message) {
    case WM_KEYDOWN:
      if (HandleEditingKey(wParam, lParam)) return 0;
      break;
    case WM_KEYUP:
      ReportCaretPosition();
      break;
    case WM_CHAR:
      if (!PrepareTypedCharacter(window, wParam, lParam)) return 0;
      break;
    case WM_UNICHAR:
      if (wParam == UNICODE_NOCHAR) return TRUE;  // whole characters are welcome here
      TypeCharacter(window, static_cast<char32_t>(wParam), lParam);
      return 0;
    case WM_LBUTTONDOWN:
      PostMessageA(mainWindow, caretMovedMessage, 0, 0);
      break;
    case WM_RBUTTONUP:
      // The Edit menu where the mouse is; its commands go to the main window.
      SendMessageA(mainWindow, contextMenuMessage, static_cast<WPARAM>(ContextMenu::Edit), GetMessagePos());
      return 0;
    case WM_DROPFILES:
      if (SendMessageA(mainWindow, openDroppedFileMessage, wParam, 0)) return 0;
      break;
    case WM_INPUTLANGCHANGE:
      ReportStatus(StatusPane::Keyboard);
      return 1;
  }
  return CallWindowProcA(editorBaseProc, window, message, wParam, lParam);
}
