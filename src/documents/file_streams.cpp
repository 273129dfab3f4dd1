#include "documents/file_streams.h"

#include <new>
#include <string>

#include "base/error_box.h"
#include "base/file_names.h"
#include "base/globals.h"
#include "base/start_trace.h"
#include "base/ui_texts.h"
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

namespace {

// The file read in large pieces, handed to the editor from memory: one system
// call per piece instead of one per block of the editor's, and each page of
// the editor's blocks first touched by the copy that fills it (Wine's ReadFile
// probes a buffer's pages by reading them, and every page then faults twice).
constexpr DWORD readPiece = 1 << 20;

struct PieceReader {
  HANDLE file;
  BYTE* piece;
  DWORD filled;
  DWORD taken;
};

DWORD CALLBACK ReadFromPiece(DWORD_PTR cookie, BYTE* buffer, LONG requested, LONG* transferred) {
  auto* reader = reinterpret_cast<PieceReader*>(cookie);
  *transferred = 0;
  if (reader->taken == reader->filled) {
    LONG got = 0;
    DWORD error = ReadFileChunk(reinterpret_cast<DWORD_PTR>(reader->file), reader->piece, readPiece, &got);
    if (error) return error;
    reader->filled = static_cast<DWORD>(got);
    reader->taken = 0;
  }
  DWORD count = reader->filled - reader->taken;
  if (count > static_cast<DWORD>(requested)) count = static_cast<DWORD>(requested);
  CopyMemory(buffer, reader->piece + reader->taken, count);
  reader->taken += count;
  *transferred = static_cast<LONG>(count);
  return 0;
}

}  // namespace

bool StreamFileIn(HANDLE file, WPARAM format) {
  EDITSTREAM stream{};
  PieceReader reader{file, static_cast<BYTE*>(HeapAlloc(processHeap, 0, readPiece)), 0, 0};
  // Without room for a piece the blocks are read into directly.
  stream.dwCookie = reader.piece ? reinterpret_cast<DWORD_PTR>(&reader) : reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = reader.piece ? ReadFromPiece : ReadFileChunk;
  readingTicks = 0;
  SendMessageA(editorWindow, EM_STREAMIN, format, reinterpret_cast<LPARAM>(&stream));
  if (reader.piece) HeapFree(processHeap, 0, reader.piece);
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

HANDLE OpenWithinTextLimit(const std::wstring& path, bool* tooLarge) {
  *tooLarge = false;
  if (path.empty()) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return INVALID_HANDLE_VALUE;
  }
  std::wstring reached;
  try {
    reached = FileSystemPath(path);
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return INVALID_HANDLE_VALUE;
  }
  // A directory opens for reading on some systems; it is not a document.
  DWORD attributes = GetFileAttributesW(reached.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    SetLastError(ERROR_DIRECTORY);
    return INVALID_HANDLE_VALUE;
  }
  HANDLE file = CreateFileW(reached.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
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

void ReportUnopenedFile(const std::wstring& path, bool tooLarge) noexcept {
  DWORD error = GetLastError();
  try {
    std::wstring more = tooLarge                    ? FillText(fileTooLargeText, {path, std::to_wstring(textLimit)})
                        : error == ERROR_DIRECTORY ? FillText(folderNotFileText, {path})
                                                   : path;
    SetLastError(error);
    ShowLastError(more);
  } catch (const std::bad_alloc&) {
    SetLastError(error);
    ShowLastError();  // the reason alone, where memory has just run out
  }
}
