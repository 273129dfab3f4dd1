// The document's file as the editor last read or wrote it, to notice another
// program's change before a save overwrites it. The file is not kept open.
#pragma once
#include <windows.h>

#include <string>

// Remembers the size and last-write time of `file`, open under `path`.
void NoteDiskStamp(std::wstring path, HANDLE file) noexcept;
// The same for the file at `path`, opened for the purpose.
void NoteDiskStampOf(const std::wstring& path);

// True when the file at `path` is the one last noted and differs from it now.
// A file never noted (a new name) or gone since is not changed.
bool ChangedOnDisk(const std::wstring& path);

// Asks whether to write over the other program's version of `path`.
bool ConfirmOverwriteOfChangedFile(const std::wstring& path);
