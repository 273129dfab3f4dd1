#include "app/message_loop.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <initializer_list>

#include "base/globals.h"
#include "chrome/toolbar.h"
#include "editor/undo_commands.h"
#include "editor/editor_control.h"

namespace {

LRESULT AskEditor(UINT message) { return editorWindow ? SendMessageA(editorWindow, message, 0, 0) : 0; }

void SetButton(int command, bool enabled) {
  SendMessageA(toolbarWindow, TB_SETSTATE, command, enabled ? TBSTATE_ENABLED : TBSTATE_INDETERMINATE);
}

}  // namespace

void IdleUpdate() {
  SetButton(3, IsClipboardFormatAvailable(CF_TEXT));
  bool selected = AskEditor(EM_SELECTIONTYPE) != SEL_EMPTY;
  for (int command : {6, 1, 2}) SetButton(command, selected);
  SetButton(9, AskEditor(EM_GETMODIFY) && (editorUndoSeen || UndoJournalHoldsRecord()));
  SetButton(4, CanUndo());
  LPARAM wrapState = wrapStyle == 0 ? TBSTATE_ENABLED | TBSTATE_CHECKED : TBSTATE_ENABLED;
  SendMessageA(toolbarWindow, TB_SETSTATE, wordWrapCommand, wrapState);
}

int RunMessageLoop() {
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
    MSG next;
    if (toolbarWindow && !PeekMessageA(&next, nullptr, 0, 0, PM_NOREMOVE)) IdleUpdate();
  }
  return static_cast<int>(message.wParam);
}
