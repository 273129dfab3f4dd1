#include "editor/date_time.h"

#include <windows.h>

#include "editor/editor_control.h"
#include "editor/undo_commands.h"

namespace {

void ReplaceSelectionRecorded(const char* text) {
  RecordUndo(UndoReplace, lstrlenA(text));
  SendMessageA(editorWindow, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

}  // namespace

// In the user's short date and time formats; a part the system cannot format is left out.
void InsertDateTime() {
  if (!editorWindow) return;
  char text[262] = {};
  int length = GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 261);
  if (length > 0) {
    text[length - 1] = ' ';
    text[length] = '\0';
    ReplaceSelectionRecorded(text);
  }
  if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 261) > 0) ReplaceSelectionRecorded(text);
}
