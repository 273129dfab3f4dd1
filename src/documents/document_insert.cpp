#include "documents/document_insert.h"

#include <windows.h>
#include <richedit.h>

#include "conversion/undo_commands.h"
#include "documents/file_streams.h"
#include "editor/editor_control.h"

void InsertFile(const char* path) {
  if (!editorWindow) return;
  bool tooLarge = false;
  HANDLE file = OpenWithinTextLimit(path, &tooLarge);
  if (file == INVALID_HANDLE_VALUE) {
    ReportUnopenedFile(path, tooLarge);  // the user has just chosen it
    return;
  }
  RecordUndo(UndoSnapshot, 0);
  StreamFileIn(file, SFF_SELECTION | SF_TEXT);
  CloseHandle(file);
}
