#include "documents/safe_write.h"

#include <windows.h>

#include "documents/file_streams.h"

namespace {

// A new empty file in the directory of `path`.
bool CreateFileBeside(const char* path, char (&created)[MAX_PATH]) {
  char directory[MAX_PATH];
  char* name = nullptr;
  DWORD length = GetFullPathNameA(path, sizeof directory, directory, &name);
  if (length == 0 || length >= sizeof directory || !name) return false;
  *name = '\0';
  return GetTempFileNameA(directory, "zn2", 0, created) != 0;
}

// Whole text written and on the disk, the file cut to its length; the write's
// own error otherwise. Closes the file.
bool WriteTextInto(HANDLE file) {
  SetLastError(0);
  bool written = StreamFileOut(file) && SetEndOfFile(file) && FlushFileBuffers(file);
  DWORD error = GetLastError();
  if (!written && error == 0) error = ERROR_WRITE_FAULT;  // a short write sets no error of its own
  CloseHandle(file);
  SetLastError(error);
  return written;
}

bool WriteTextTo(const char* path, DWORD disposition) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_ARCHIVE, nullptr);
  return file != INVALID_HANDLE_VALUE && WriteTextInto(file);
}

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

enum class Placed { Done, OldFileIntact, OldFileAtRisk };

// The written file takes the name of the old one. When the old file cannot be
// replaced (another program holds it open without letting it be deleted), the
// text goes into it in place, shared with that program.
Placed MoveIntoPlace(const char* written, const char* path) {
  if (!Exists(path)) return MoveFileA(written, path) ? Placed::Done : Placed::OldFileAtRisk;
  if (ReplaceFileA(path, written, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) return Placed::Done;
  DWORD error = GetLastError();
  if (!Exists(path)) {
    // The old file went before the new one could move in.
    if (MoveFileA(written, path)) return Placed::Done;
    SetLastError(error);
    return Placed::OldFileAtRisk;
  }
  HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_ARCHIVE, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    SetLastError(error);
    return Placed::OldFileIntact;
  }
  return WriteTextInto(file) ? Placed::Done : Placed::OldFileAtRisk;
}

}  // namespace

bool WriteDocumentFile(const char* path, char (&keptCopy)[MAX_PATH]) {
  keptCopy[0] = '\0';
  char written[MAX_PATH];
  if (!CreateFileBeside(path, written)) return WriteTextTo(path, CREATE_ALWAYS);
  bool whole = WriteTextTo(written, TRUNCATE_EXISTING);
  Placed placed = whole ? MoveIntoPlace(written, path) : Placed::OldFileIntact;
  if (placed == Placed::OldFileAtRisk) {
    lstrcpynA(keptCopy, written, MAX_PATH);  // the one complete copy of the text stays
    return false;
  }
  DWORD error = GetLastError();
  DeleteFileA(written);
  SetLastError(error);
  return placed == Placed::Done;
}
