#include "documents/document_save.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/error_box.h"
#include "base/file_names.h"
#include "base/globals.h"
#include "base/ui_texts.h"
#include "documents/disk_stamp.h"
#include "documents/safe_write.h"
#include "editor/editor_control.h"

namespace {

bool ConfirmReadOnlyOverwrite() {
  const std::wstring question = FillText(readOnlyQuestion, {currentPath});
  return MessageBoxW(mainWindow, question.c_str(), programCaption, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

// Where a failed write left a whole text, the box says which and where.
std::wstring KeptCopyNote(const KeptCopy& kept) {
  if (kept.path.empty()) return {};
  return FillText(kept.oldText ? keptOldTextNote : keptNewTextNote, {kept.path});
}

}  // namespace

bool SaveDocument() {
  if (!editorWindow) return false;
  // The file calls reach the file the user named; the boxes say the name as the user gave it.
  const std::wstring path = FileSystemPath(currentPath);
  if (ChangedOnDisk(path) && !ConfirmOverwriteOfChangedFile(currentPath)) return false;
  DWORD attributes = FILE_ATTRIBUTE_ARCHIVE;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW(path.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    FindClose(search);
    attributes = found.dwFileAttributes;
  }
  bool readOnly = (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  if (readOnly) {
    if (!ConfirmReadOnlyOverwrite()) return false;
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  }
  KeptCopy kept;
  bool written = WriteDocumentFile(path, kept);
  DWORD error = GetLastError();
  if (readOnly) SetFileAttributesW(path.c_str(), attributes);
  if (!written) {
    SetLastError(error);
    ShowLastError(KeptCopyNote(kept));
    return false;
  }
  NoteDiskStampOf(path);
  SendMessageW(editorWindow, EM_SETMODIFY, FALSE, 0);
  return true;
}
