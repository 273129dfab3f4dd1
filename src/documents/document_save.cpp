#include "documents/document_save.h"

#include <windows.h>
#include <richedit.h>

#include <string>

#include "base/error_box.h"
#include "base/globals.h"
#include "documents/safe_write.h"
#include "editor/editor_control.h"

namespace {

bool ConfirmReadOnlyOverwrite() {
  char question[MAX_PATH + 64];
  wsprintfA(question, "%s: только для чтения!\rПерезаписать?", currentPath);
  return MessageBoxA(mainWindow, question, mainClassName, MB_ICONQUESTION | MB_YESNO) == IDYES;
}

}  // namespace

bool SaveDocument() {
  if (!editorWindow) return false;
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
  char keptCopy[MAX_PATH];
  bool written = WriteDocumentFile(currentPath, keptCopy);
  DWORD error = GetLastError();
  if (readOnly) SetFileAttributesA(currentPath, attributes);
  if (!written) {
    // The file may be damaged or gone, but a complete copy of the text was written.
    std::string copyNote = std::string("Весь текст сохранён в файле ") + keptCopy;
    SetLastError(error);
    ShowLastError(keptCopy[0] ? copyNote.c_str() : nullptr);
    return false;
  }
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  return true;
}
