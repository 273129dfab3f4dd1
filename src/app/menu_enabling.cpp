#include "app/menu_enabling.h"

#include <windows.h>
#include <richedit.h>

#include "app/menu_bar.h"
#include "base/commands.h"
#include "base/globals.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"
#include "printing/print_setup.h"

namespace {

void Enable(Command command, bool enabled) {
  EnableMenuItem(mainMenu, Id(command), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool EditorSays(UINT message) { return editorWindow && SendMessageA(editorWindow, message, 0, 0) != 0; }

void Check(Command command, bool checked) {
  CheckMenuItem(mainMenu, Id(command), MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void CheckStates() {
  // The four items are not numbered in a row, so each is checked on its own.
  for (CodePage page : viewCodePages) {
    Command command = CommandFor(viewCommands, page);
    CheckMenuItem(mainMenu, Id(command), MF_BYCOMMAND | (page == viewCodePage ? MF_CHECKED : MF_UNCHECKED));
  }
  Check(Command::WordWrap, wrapStyle == 0);
  Check(Command::PageNumbers, pageNumbersOn);
}

}  // namespace

void EnableMenuItems() {
  Enable(Command::Save, EditorSays(EM_GETMODIFY));
  Enable(Command::Undo, CanUndo());
  Enable(Command::Paste, IsClipboardFormatAvailable(CF_TEXT) != 0);
  bool selected = EditorSays(EM_SELECTIONTYPE);
  for (Command command : {Command::Copy, Command::Cut, Command::Delete}) Enable(command, selected);
  CheckStates();
}
