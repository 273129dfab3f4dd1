#include "documents/document_commands.h"

#include <windows.h>
#include <richedit.h>
#include <shellapi.h>

#include <string>

#include "base/globals.h"
#include "base/running_instance.h"
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
  ClearUndoJournal();
  SetWindowTextA(editorWindow, "");
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  lstrcpynA(currentPath, untitledName, sizeof currentPath);
  UpdateTitle();
}

void OpenCommand() {
  if (!QueryCloseDocument()) return;
  char path[MAX_PATH];
  if (AskOpenPath(path)) LoadDocument(path, OpenFailure::Reported);
}

void InsertFromCommand() {
  char path[MAX_PATH];
  if (AskOpenPath(path)) InsertFile(path);
}

void SaveCommand() {
  if (lstrcmpA(currentPath, untitledName) == 0) {
    SaveAs();
  } else {
    SaveDocument();
  }
}

bool OpenDroppedFile(HDROP drop) {
  char path[MAX_PATH] = {};
  if (DragQueryFileA(drop, 0, path, sizeof path) == 0) return false;
  DragFinish(drop);
  if (QueryCloseDocument()) LoadDocument(path, OpenFailure::Reported);
  return true;
}

void OpenRecentFile(int k) {
  if (!QueryCloseDocument()) return;
  char slot = 0;
  std::string path;
  if (!FindRecentFile(k, &slot, &path)) return;
  if (FindRunningInstance(path.c_str()) || LoadDocument(path.c_str())) return;
  ForgetRecentFile(slot);
}
