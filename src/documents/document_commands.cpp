#include "documents/document_commands.h"

#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <string>

#include "base/globals.h"
#include "base/running_instance.h"
#include "base/ui_texts.h"
#include "documents/document_insert.h"
#include "documents/document_load.h"
#include "documents/document_save.h"
#include "documents/document_title.h"
#include "documents/file_dialogs.h"
#include "documents/recent_files.h"
#include "documents/save_as.h"
#include "documents/save_prompt.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"

void NewDocument() {
  if (!editorWindow || !QueryCloseDocument()) return;
  std::wstring untitled = untitledName;  // made before the text goes
  ClearUndoJournal();
  SetWindowTextW(editorWindow, L"");
  SendMessageW(editorWindow, EM_SETMODIFY, FALSE, 0);
  currentPath.swap(untitled);
  UpdateTitle();
}

void OpenCommand() {
  if (!QueryCloseDocument()) return;
  std::wstring path;
  if (AskOpenPath(path)) LoadDocument(path, OpenFailure::Reported);
}

void InsertFromCommand() {
  std::wstring path;
  if (AskOpenPath(path)) InsertFile(path);
}

void SaveCommand() {
  if (DocumentUntitled()) {
    SaveAs();
  } else {
    SaveDocument();
  }
}

bool OpenDroppedFile(HDROP drop) {
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  if (length == 0) return false;
  std::wstring path(length + 1, L'\0');
  path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
  DragFinish(drop);
  if (QueryCloseDocument()) LoadDocument(path, OpenFailure::Reported);
  return true;
}

void OpenRecentFile(int k) {
  if (!QueryCloseDocument()) return;
  char slot = 0;
  std::wstring path;
  if (!FindRecentFile(k, &slot, &path)) return;
  if (FindRunningInstance(path) || LoadDocument(path)) return;
  ForgetRecentFile(slot);
}
