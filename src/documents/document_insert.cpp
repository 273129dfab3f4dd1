#include "documents/document_insert.h"

#include <windows.h>
#include <richedit.h>

#include "base/error_box.h"
#include "documents/file_streams.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

void InsertFile(const std::wstring& path) {
  if (!editorWindow) return;
  bool tooLarge = false;
  HANDLE file = OpenWithinTextLimit(path, &tooLarge);
  if (file == INVALID_HANDLE_VALUE) {
    ReportUnopenedFile(path, tooLarge);  // the user has just chosen it
    return;
  }
  if (!RecordUndoOrRefuse(UndoSnapshot, 0)) {
    CloseHandle(file);
    ReportOutOfMemory();
    return;
  }
  bool read = StreamFileIn(file, SFF_SELECTION | SF_TEXT);
  DWORD error = GetLastError();
  CloseHandle(file);
  if (read) return;
  // Nothing went in (a read error, the text limit, no memory): the step goes again.
  WithdrawUndoStep();
  if (error == ERROR_NOT_ENOUGH_MEMORY) ReportOutOfMemory();
}
