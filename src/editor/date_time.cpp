#include "editor/date_time.h"

#include <windows.h>

#include <string>

#include "base/wide_strings.h"
#include "codepages/utf8_recoding.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"

namespace {

// The system's text in the view code page, through the program's own tables:
// month names and all read right in every view.
void ReplaceSelectionRecorded(const wchar_t* text) {
  const std::string utf8 = Utf8FromWide(text);
  const std::string bytes = viewCodePage == Utf8 ? utf8 : RecodeText(utf8, Utf8, viewCodePage).bytes;
  RecordUndo(UndoReplace, static_cast<int32_t>(bytes.size()));
  ControlEditor().ReplaceSelection(bytes);
}

}  // namespace

// In the user's short date and time formats; a part the system cannot format is left out.
void InsertDateTime() {
  if (!editorWindow) return;
  wchar_t text[262] = {};
  int length = GetDateFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 261);
  if (length > 0) {
    text[length - 1] = L' ';
    text[length] = L'\0';
    ReplaceSelectionRecorded(text);
  }
  if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, 261) > 0) ReplaceSelectionRecorded(text);
}
