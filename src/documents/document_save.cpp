#include "documents/document_save.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/error_box.h"
#include "base/globals.h"
#include "control/wide_text.h"
#include "documents/disk_stamp.h"
#include "documents/safe_write.h"
#include "editor/editor_control.h"

namespace {

bool ConfirmReadOnlyOverwrite() {
  char question[MAX_PATH + 64];
  wsprintfA(question, "%s: только для чтения!\rПерезаписать?", currentPath);
  return MessageBoxA(mainWindow, question, mainClassName, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

// Where a failed write left a whole text, the box says which and where.
std::wstring KeptCopyNote(const KeptCopy& kept) {
  if (kept.path.empty()) return {};
  return (kept.oldText ? L"Прежний текст файла сохранён в файле " : L"Весь текст сохранён в файле ") + kept.path;
}

}  // namespace

bool SaveDocument() {
  if (!editorWindow) return false;
  const std::wstring path = WideFromBytes(currentPath, CP_ACP);
  if (ChangedOnDisk(path) && !ConfirmOverwriteOfChangedFile(path)) return false;
  DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(currentPath, &found);
  if (search != INVALID_HANDLE_VALUE) {
    FindClose(search);
    attributes = found.dwFileAttributes;
  }
  bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly) {
    if (!ConfirmReadOnlyOverwrite()) return false;
    SetFileAttributesA(currentPath, FILE_ATTRIBUTE_ARCHIVE);
  }
  KeptCopy kept;
  bool written = WriteDocumentFile(path, kept);
  DWORD error = GetLastError();
  if (readOnly) SetFileAttributesA(currentPath, attributes);
  if (!written) {
    SetLastError(error);
    ShowLastError(KeptCopyNote(kept));
    return false;
  }
  NoteDiskStampOf(path);
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  return true;
}
