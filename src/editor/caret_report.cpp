#include "editor/caret_report.h"

#include <windows.h>
#include <richedit.h>

#include "base/status_reports.h"
#include "editor/editor_control.h"

void ReportCaretPosition() {
  if (!StatusBarShown() || !editorWindow) return;
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  if (selection.cpMin == lastCaretRange.start && selection.cpMax == lastCaretRange.end) return;
  lastCaretRange = {selection.cpMin, selection.cpMax};
  auto line = static_cast<LONG>(SendMessageA(editorWindow, EM_EXLINEFROMCHAR, 0, selection.cpMin));
  auto lineStart = static_cast<LONG>(SendMessageA(editorWindow, EM_LINEINDEX, line, 0));
  char text[32];
  wsprintfA(text, "%4u:%u", static_cast<UINT>(selection.cpMin - lineStart + 1), static_cast<UINT>(line + 1));
  ReportStatus(StatusPane::Caret, text);
}

void ReportCaretPositionAfresh() {
  lastCaretRange.start = -1;
  ReportCaretPosition();
}

void ReportInsertMode() {
  ReportStatus(StatusPane::InsertMode, overwriteMode ? "Замена" : "Вставка");
}
