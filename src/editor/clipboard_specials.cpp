#include "editor/clipboard_specials.h"

#include <windows.h>
#include <richedit.h>

#include <new>
#include <string>

#include "base/error_box.h"
#include "base/globals.h"
#include "codepages/utf8_recoding.h"
#include "editor/control_editor.h"
#include "editor/conversion_report.h"
#include "editor/editor_control.h"
#include "editor/own_clipboard.h"
#include "editor/text_clipboard.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"
#include "engine/engine_types.h"

namespace {

// Without memory for the undo step or the text nothing is pasted, and the user
// is told; a paste over the text limit changes nothing silently.
void PasteBytes(std::string_view bytes) {
  if (bytes.size() > static_cast<std::size_t>(MaxTextLength)) return;
  if (!RecordUndoOrRefuse(UndoReplace, static_cast<int32_t>(bytes.size()))) {
    ReportOutOfMemory();
    return;
  }
  bool outOfMemory = false;
  try {
    if (ControlEditor().ReplaceSelection(bytes)) return;
  } catch (const std::bad_alloc&) {
    outOfMemory = true;
  }
  WithdrawUndoStep();
  if (outOfMemory) ReportOutOfMemory();
}

}  // namespace

void CopyCommand() {
  if (!editorWindow) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  LONG length = selection.cpMax - selection.cpMin;
  if (length <= 0) return;
  std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied = SendMessageW(editorWindow, EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(bytes.data()));  // bytes: no conversion
  CopyBytesToClipboard(bytes.data(), static_cast<long>(copied));
}

bool CopyBytesToClipboard(const char* bytes, long length) {
  if (length <= 0) return false;
  return PutTextOnClipboard(std::string_view(bytes, static_cast<std::size_t>(length)), viewCodePage);
}

// The bytes copied in this view come back as they were; any other text is
// put into the view code page, what it lacks as look-alikes or '?', counted.
void PasteCommand() {
  if (!editorWindow || !IsClipboardFormatAvailable(CF_TEXT)) return;
  std::string text;
  if (ReadOwnBytes(viewCodePage, text)) {
    PasteBytes(text);
    return;
  }
  if (!ReadClipboardAsUtf8(text)) return;
  if (viewCodePage == Utf8) {
    PasteBytes(text);
    return;
  }
  RecodedText recoded = RecodeText(text, Utf8, viewCodePage);
  PasteBytes(recoded.bytes);
  ReportReplacedCharacters(recoded.replaced, viewCodePage);
}
