#include "documents/document_load.h"

#include <windows.h>
#include <richedit.h>

#include "base/error_box.h"
#include "base/globals.h"
#include "base/start_trace.h"
#include "control/wide_text.h"
#include "documents/disk_stamp.h"
#include "documents/document_title.h"
#include "documents/file_streams.h"
#include "documents/load_guess.h"
#include "documents/recent_files.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

bool LoadDocument(const char* path, OpenFailure openFailure) {
  if (!editorWindow) return false;
  bool tooLarge = false;
  HANDLE file = OpenWithinTextLimit(path, &tooLarge);
  if (file == INVALID_HANDLE_VALUE) {
    if (tooLarge || (openFailure == OpenFailure::Reported && path[0])) ReportUnopenedFile(path, tooLarge);
    return false;
  }
  TraceStartStep("file opened");
  ExpectUnrecordedChange(UndoJournal::UnrecordedChange::NewDocument);
  bool read = StreamFileIn(file, SF_TEXT);
  if (read) NoteDiskStamp(WideFromBytes(path, CP_ACP), file);
  CloseHandle(file);
  TraceStartStep("stream-in");
  if (!read) {
    ExpectUnrecordedChange(UndoJournal::UnrecordedChange::None);  // the old text stays, and its steps
    ShowLastError();
    return false;
  }
  ClearUndoJournal();
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  lstrcpynA(currentPath, path, sizeof currentPath);
  AddRecentFile(currentPath, rememberCaret);
  TraceStartStep("recent files");
  UpdateTitle();
  TraceStartStep("title");
  GuessViewAfterLoad();
  TraceStartStep("guess");
  return true;
}
