#include "app/message_loop.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <initializer_list>

#include "app/session_end.h"
#include "base/commands.h"
#include "base/globals.h"
#include "base/start_trace.h"
#include "chrome/toolbar.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

namespace {

LRESULT AskEditor(UINT message) { return editorWindow ? SendMessageA(editorWindow, message, 0, 0) : 0; }

void SetButton(Command command, bool enabled) {
  SendMessageA(toolbarWindow, TB_SETSTATE, Id(command), enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE);
}

// The first moment with nothing to do: the window is shown and painted.
void TraceFirstIdle() {
  MSG next;
  if (!StartTraceOn() || PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE)) return;
  GdiFlush();
  TraceStartStep("idle");
  if (FinishStartTrace()) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
}

// The editor takes typed characters beyond ASCII whole, as Unicode: read here
// as UTF-16 (a character beyond U+FFFF in two halves), they would reach its
// ANSI window procedure narrowed to the system's code page.
bool TypedIntoEditor(const MSG& message) {
  static wchar_t highHalf = 0;
  if (message.message != WM_CHAR || !editorWindow || message.hwnd != editorWindow || message.wParam < 0x80) return false;
  const auto unit = static_cast<wchar_t>(message.wParam);
  if (IS_HIGH_SURROGATE(unit)) {
    highHalf = unit;
    return true;
  }
  char32_t character = unit;
  if (IS_LOW_SURROGATE(unit)) {
    if (!highHalf) return true;  // half a character
    character = 0x10000 + ((static_cast<char32_t>(highHalf) - 0xD800) << 10) + (unit - 0xDC00);
  }
  highHalf = 0;
  SendMessageW(editorWindow, WM_UNICHAR, character, message.lParam);
  return true;
}

}  // namespace

void DispatchLoopMessage(MSG& message) {
  TranslateMessage(&message);
  if (!TypedIntoEditor(message)) DispatchMessageW(&message);
}

void IdleUpdate() {
  SetButton(Command::Paste, IsClipboardFormatAvailable(CF_TEXT));
  bool selected = AskEditor(EM_SELECTIONTYPE) != SEL_EMPTY;
  for (Command command : {Command::Delete, Command::Cut, Command::Copy}) SetButton(command, selected);
  SetButton(Command::Save, AskEditor(EM_GETMODIFY) && (editorUndoSeen || UndoJournalHoldsRecord()));
  SetButton(Command::Undo, CanUndo());
  LPARAM wrapState = wrapStyle == 0 ? TBSTATE_ENABLED | TBSTATE_CHECKED : TBSTATE_ENABLED;
  SendMessageA(toolbarWindow, TB_SETSTATE, Id(Command::WordWrap), wrapState);
}

int RunMessageLoop() {
  MSG message{};
  TraceFirstIdle();
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    DispatchLoopMessage(message);
    MSG next;
    if (!PeekMessageW(&next, nullptr, 0, 0, PM_NOREMOVE)) {
      if (toolbarWindow) IdleUpdate();
      KeepShutdownReason();
    }
    TraceFirstIdle();
  }
  return static_cast<int>(message.wParam);
}
