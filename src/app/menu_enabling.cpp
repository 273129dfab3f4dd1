#include "app/menu_enabling.h"

#include <windows.h>
#include <richedit.h>

#include "base/globals.h"
#include "app/menu_bar.h"
#include "editor/undo_commands.h"
#include "editor/code_page_fonts.h"
#include "editor/editor_control.h"
#include "editor/view_commands.h"
#include "editor/view_format.h"
#include "printing/print_setup.h"

namespace {

void Enable(UINT command, bool enabled) {
  EnableMenuItem(mainMenu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool EditorSays(UINT message) { return editorWindow && SendMessageA(editorWindow, message, 0, 0) != 0; }

void Check(UINT command, bool checked) {
  CheckMenuItem(mainMenu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void CheckStates() {
  if (viewCodePage < viewCodePageCount) {
    CheckMenuRadioItem(mainMenu, viewAnsiCommand, viewAnsiCommand + viewCodePageCount - 1,
                       viewAnsiCommand + viewCodePage, MF_BYCOMMAND);
  }
  Check(wordWrapCommand, wrapStyle == 0);
  Check(pageNumbersCommand, pageNumbersOn);
}

}  // namespace

void EnableMenuItems() {
  Enable(9, EditorSays(EM_GETMODIFY));
  Enable(4, CanUndo());
  Enable(3, IsClipboardFormatAvailable(CF_TEXT) != 0);
  bool selected = EditorSays(EM_SELECTIONTYPE);
  for (UINT command : {2u, 1u, 6u}) Enable(command, selected);
  CheckStates();
}
