#include "documents/document_load.h"

#include <windows.h>
#include <richedit.h>

#include <utility>

#include "base/error_box.h"
#include "base/file_names.h"
#include "base/globals.h"
#include "base/start_trace.h"
#include "documents/disk_stamp.h"
#include "documents/document_title.h"
#include "documents/file_streams.h"
#include "documents/load_guess.h"
#include "documents/recent_files.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

bool LoadDocument(const std::wstring& path, OpenFailure openFailure) {
  if (!editorWindow) return false;
  // Copied before the text is replaced: no allocation after it can leave the new text under the old name.
  std::wstring newPath = path, stampPath = FileSystemPath(path);
  bool tooLarge = false;
  HANDLE file = OpenWithinTextLimit(path, &tooLarge);
  if (file == INVALID_HANDLE_VALUE) {
    if (tooLarge || (openFailure == OpenFailure::Reported && !path.empty())) ReportUnopenedFile(path, tooLarge);
    return false;
  }
  TraceStartStep("file opened");
  ExpectUnrecordedChange(UndoJournal::UnrecordedChange::NewDocument);
  bool read = StreamFileIn(file, SF_TEXT);
  if (read) NoteDiskStamp(std::move(stampPath), file);
  CloseHandle(file);
  TraceStartStep("stream-in");
  if (!read) {
    ExpectUnrecordedChange(UndoJournal::UnrecordedChange::None);  // the old text stays, and its steps
    ShowLastError();
    return false;
  }
  ClearUndoJournal();
  SendMessageW(editorWindow, EM_SETMODIFY, FALSE, 0);
  currentPath.swap(newPath);
  AddRecentFile(currentPath, rememberCaret);
  TraceStartStep("recent files");
  UpdateTitle();
  TraceStartStep("title");
  GuessViewAfterLoad();
  TraceStartStep("guess");
  return true;
}
