#include "documents/file_streams.h"

#include "editor/editor_control.h"

DWORD CALLBACK ReadFileChunk(DWORD_PTR cookie, BYTE* buffer, LONG requested, LONG* transferred) {
  DWORD read = 0;
  BOOL ok = ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(requested), &read, nullptr);
  *transferred = ok ? static_cast<LONG>(read) : 0;
  return ok ? 0 : 1;
}

DWORD CALLBACK WriteFileChunk(DWORD_PTR cookie, BYTE* buffer, LONG given, LONG* transferred) {
  DWORD written = 0;
  BOOL ok = WriteFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(given), &written, nullptr);
  *transferred = ok ? static_cast<LONG>(written) : 0;
  return ok && written == static_cast<DWORD>(given) ? 0 : 2;
}

bool StreamFileIn(HANDLE file, WPARAM format) {
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = ReadFileChunk;
  SendMessageA(editorWindow, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

bool StreamFileOut(HANDLE file) {
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = WriteFileChunk;
  SendMessageA(editorWindow, EM_STREAMOUT, SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

HANDLE OpenWithinTextLimit(const char* path, bool* tooLarge) {
  *tooLarge = false;
  if (!path[0] || lstrlenA(path) >= MAX_PATH) return INVALID_HANDLE_VALUE;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return file;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size) || size.QuadPart > textLimit) {
    CloseHandle(file);
    *tooLarge = true;
    return INVALID_HANDLE_VALUE;
  }
  return file;
}
