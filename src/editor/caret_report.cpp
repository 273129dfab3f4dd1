#include "editor/caret_report.h"

#include <windows.h>
#include <richedit.h>

#include "base/status_reports.h"
#include "base/ui_texts.h"
#include "control/document_control.h"
#include "editor/editor_control.h"
#include "editor/view_format.h"

namespace {

// The caret's column from 1: bytes from the line's start, characters in the UTF-8 view,
// counted by the control in place (a long line is not copied at every caret move).
UINT CaretColumn(LONG lineStart, LONG caret) {
  if (viewCodePage != Utf8) return static_cast<UINT>(caret - lineStart + 1);
  return static_cast<UINT>(SendMessageA(editorWindow, EM_COUNTCHARACTERS, static_cast<WPARAM>(lineStart), caret) + 1);
}

}  // namespace

void ReportCaretPosition() {
  if (!StatusBarShown() || !editorWindow) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (selection.cpMin == lastCaretRange.start && selection.cpMax == lastCaretRange.end) return;
  lastCaretRange = {selection.cpMin, selection.cpMax};
  auto line = static_cast<LONG>(SendMessageA(editorWindow, EM_EXLINEFROMCHAR, 0, selection.cpMin));
  auto lineStart = static_cast<LONG>(SendMessageA(editorWindow, EM_LINEINDEX, line, 0));
  wchar_t text[32];
  wsprintfW(text, L"%4u:%u", CaretColumn(lineStart, selection.cpMin), static_cast<UINT>(line + 1));
  ReportStatus(StatusPane::Caret, text);
}

void ReportCaretPositionAfresh() {
  lastCaretRange.start = -1;
  ReportCaretPosition();
}

void ReportInsertMode() {
  ReportStatus(StatusPane::InsertMode, overwriteMode ? overwriteModeText : insertModeText);
}
