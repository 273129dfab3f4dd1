#include "documents/document_load.h"

#include <windows.h>
#include <richedit.h>

#include "app/error_box.h"
#include "app/globals.h"
#include "conversion/undo_commands.h"
#include "documents/document_title.h"
#include "editor/editor_control.h"

namespace {

DWORD CALLBACK ReadFileChunk(DWORD_PTR cookie, BYTE* buffer, LONG requested, LONG* transferred) {
  DWORD read = 0;
  BOOL ok = ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(requested), &read, nullptr);
  *transferred = ok ? static_cast<LONG>(read) : 0;
  return ok ? 0 : 1;
}

// The file's bytes replace the text; false after a read error.
bool StreamFileIn(HANDLE file) {
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = ReadFileChunk;
  SendMessageA(editorWindow, EM_STREAMIN, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

}  // namespace

bool LoadDocument(const char* path) {
  if (!editorWindow || !path[0] || lstrlenA(path) >= MAX_PATH) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart > textLimit) {
    CloseHandle(file);
    ShowLastError();
    return false;
  }
  bool read = StreamFileIn(file);
  CloseHandle(file);
  if (!read) {
    ShowLastError();
    return false;
  }
  ClearUndoJournal();
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  lstrcpynA(currentPath, path, sizeof currentPath);
  UpdateTitle();
  return true;
}
