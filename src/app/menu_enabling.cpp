#include "app/menu_enabling.h"

#include <windows.h>
#include <richedit.h>

#include "base/globals.h"
#include "app/menu_bar.h"
#include "editor/undo_commands.h"
#include "editor/editor_control.h"

namespace {

void Enable(UINT command, bool enabled) {
  EnableMenuItem(mainMenu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool EditorSays(UINT message) { return editorWindow && SendMessageA(editorWindow, message, 0, 0) != 0; }

}  // namespace

void EnableMenuItems() {
  Enable(9, EditorSays(EM_GETMODIFY));
  Enable(4, CanUndo());
  Enable(3, IsClipboardFormatAvailable(CF_TEXT) != 0);
  bool selected = EditorSays(EM_SELECTIONTYPE);
  for (UINT command : {2u, 1u, 6u}) Enable(command, selected);
}
