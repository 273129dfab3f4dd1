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

// Whole text written and on the disk; the write's own error otherwise.
bool WriteTextTo(const char* path, DWORD disposition) {
  HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_ARCHIVE, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  SetLastError(0);
  bool written = StreamFileOut(file) && FlushFileBuffers(file);
  DWORD error = GetLastError();
  if (!written && error == 0) error = ERROR_WRITE_FAULT;  // a short write sets no error of its own
  CloseHandle(file);
  SetLastError(error);
  return written;
}

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// The written file takes the name of the old one.
bool MoveIntoPlace(const char* written, const char* path) {
  if (!Exists(path)) return MoveFileA(written, path);
  if (ReplaceFileA(path, written, nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) return true;
  DWORD error = GetLastError();
  if (Exists(path)) {
    DeleteFileA(written);
  } else if (MoveFileA(written, path)) {
    return true;  // the old file was gone before the new one could move in
  }
  // Otherwise the written file holds the only copy and stays under its own name.
  SetLastError(error);
  return false;
}

}  // namespace

bool WriteDocumentFile(const char* path) {
  char written[MAX_PATH];
  if (!CreateFileBeside(path, written)) return WriteTextTo(path, CREATE_ALWAYS);
  if (!WriteTextTo(written, TRUNCATE_EXISTING)) {
    DWORD error = GetLastError();
    DeleteFileA(written);
    SetLastError(error);
    return false;
  }
  return MoveIntoPlace(written, path);
}
