#include "documents/file_streams.h"

#include "base/error_box.h"
#include "base/start_trace.h"
#include "editor/editor_control.h"

namespace {

std::int64_t readingTicks = 0;  // for the start trace: time spent in ReadFile during one stream-in

}  // namespace

DWORD CALLBACK ReadFileChunk(DWORD_PTR cookie, BYTE* buffer, LONG requested, LONG* transferred) {
  DWORD read = 0;
  std::int64_t start = StartTraceTicks();
  BOOL ok = ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(requested), &read, nullptr);
  if (start) readingTicks += StartTraceTicks() - start;
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
  readingTicks = 0;
  SendMessageA(editorWindow, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  TraceStartSpan("reading inside stream-in", readingTicks);
  // The editor's own failure, unlike the reader's, is not in the last error yet.
  if (stream.dwError == ERROR_NOT_ENOUGH_MEMORY) SetLastError(ERROR_NOT_ENOUGH_MEMORY);
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
  if (!path[0] || lstrlenA(path) >= MAX_PATH) {
    SetLastError(path[0] ? ERROR_FILENAME_EXCED_RANGE : ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  // A directory opens for reading on some systems; it is not a document.
  DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetLastError(ERROR_DIRECTORY);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return file;
  LARGE_INTEGER size{};
  bool sized = GetFileSizeEx(file, &size) != FALSE;
  if (sized && size.QuadPart <= textLimit) return file;
  DWORD error = sized ? ERROR_FILE_TOO_LARGE : GetLastError();
  CloseHandle(file);
  *tooLarge = sized;
  SetLastError(error);
  return INVALID_HANDLE_VALUE;
}

void ReportUnopenedFile(const char* path, bool tooLarge) {
  DWORD error = GetLastError();
  char more[MAX_PATH + 96];
  if (tooLarge) {
    wsprintfA(more, "%s\r\nФайл больше %ld байт, которые вмещает редактор.", path, static_cast<long>(textLimit));
  } else if (error == ERROR_DIRECTORY) {
    wsprintfA(more, "%s\r\nЭто папка, а не файл.", path);
  } else {
    lstrcpynA(more, path, sizeof more);
  }
  SetLastError(error);
  ShowLastError(more);
}
