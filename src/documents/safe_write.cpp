#include "documents/safe_write.h"

#include <windows.h>

#include "documents/file_streams.h"
#include "documents/save_route.h"

namespace {

// A new empty file in the directory of `path`; empty when none can be made.
std::wstring CreateFileBeside(const std::wstring& path) {
  DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  std::wstring directory(size, L'\0');
  wchar_t* name = nullptr;
  size = size ? GetFullPathNameW(path.c_str(), size, directory.data(), &name) : 0;
  if (size == 0 || size >= directory.size() || !name) return {};
  directory.resize(name - directory.data());
  // GetTempFileNameW writes at most MAX_PATH characters.
  std::wstring created(directory.size() + MAX_PATH, L'\0');
  if (!GetTempFileNameW(directory.c_str(), L"zn2", 0, created.data())) return {};
  created.resize(lstrlenW(created.c_str()));
  return created;
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

// An existing file is opened rather than created anew: Windows refuses to
// create over a hidden or system file.
bool WriteTextTo(const std::wstring& path, DWORD disposition) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, disposition, FILE_ATTRIBUTE_ARCHIVE, nullptr);
  return file != INVALID_HANDLE_VALUE && WriteTextInto(file);
}

// The old file itself, shared with any program that holds it.
HANDLE OpenInPlace(const std::wstring& path) {
  return CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_ARCHIVE, nullptr);
}

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void DeleteKeepingError(const std::wstring& path) {
  DWORD error = GetLastError();
  DeleteFileW(path.c_str());
  SetLastError(error);
}

enum class Placed { Done, OldFileIntact, OldFileAtRisk };

// The written file takes the name of the old one. When the old file cannot be
// replaced (another program holds it open without letting it be deleted), the
// text goes into it in place, shared with that program.
Placed MoveIntoPlace(const std::wstring& written, const std::wstring& path) {
  if (!Exists(path)) return MoveFileW(written.c_str(), path.c_str()) ? Placed::Done : Placed::OldFileAtRisk;
  if (ReplaceFileW(path.c_str(), written.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
    return Placed::Done;
  }
  DWORD error = GetLastError();
  if (!Exists(path)) {
    // The old file went before the new one could move in.
    if (MoveFileW(written.c_str(), path.c_str())) return Placed::Done;
    SetLastError(error);
    return Placed::OldFileAtRisk;
  }
  HANDLE file = OpenInPlace(path);
  if (file == INVALID_HANDLE_VALUE) {
    SetLastError(error);
    return Placed::OldFileIntact;
  }
  return WriteTextInto(file) ? Placed::Done : Placed::OldFileAtRisk;
}

bool WriteByNewFile(const std::wstring& path, KeptCopy& kept) {
  std::wstring written = CreateFileBeside(path);
  if (written.empty()) return WriteTextTo(path, OPEN_ALWAYS);
  bool whole = WriteTextTo(written, TRUNCATE_EXISTING);
  Placed placed = whole ? MoveIntoPlace(written, path) : Placed::OldFileIntact;
  if (placed == Placed::OldFileAtRisk) {
    kept.path = written;  // the one complete copy of the text stays
    return false;
  }
  DeleteKeepingError(written);
  return placed == Placed::Done;
}

// Into the file itself, so that it stays the file its other names and links
// reach, with its own permissions. Its old bytes wait beside it meanwhile.
bool WriteThroughFile(const std::wstring& path, KeptCopy& kept) {
  std::wstring old = CreateFileBeside(path);  // none where the folder takes no new file
  if (!old.empty() && !CopyFileW(path.c_str(), old.c_str(), FALSE)) {
    DeleteKeepingError(old);
    return false;  // no room even for the copy: the file stays as it was
  }
  HANDLE file = OpenInPlace(path);
  bool written = file != INVALID_HANDLE_VALUE && WriteTextInto(file);
  if (!old.empty() && (written || file == INVALID_HANDLE_VALUE)) DeleteKeepingError(old);
  if (!written && file != INVALID_HANDLE_VALUE && !old.empty()) kept = KeptCopy{old, true};
  return written;
}

}  // namespace

bool WriteDocumentFile(const std::wstring& path, KeptCopy& kept) {
  kept = KeptCopy{};
  if (ChooseSaveRoute(path) == SaveRoute::WriteThrough) return WriteThroughFile(path, kept);
  return WriteByNewFile(path, kept);
}
