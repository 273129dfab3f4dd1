// File names as the system's file calls take them, whatever their characters
// and length.
#pragma once
#include <windows.h>

#include <string>

// `path` for the file calls: on a 64-bit Windows this 32-bit program is shown
// SysWOW64 in place of System32, so a path into System32 goes through the
// system's Sysnative alias and reaches the file the user named. Any other path,
// and every path elsewhere, is returned as it is.
std::wstring FileSystemPath(const std::wstring& path);

// The same with the two folders given: `system` the system folder as this
// process is told it, `native` its undiverted alias, or empty where nothing is
// diverted.
std::wstring FileSystemPath(const std::wstring& path, const std::wstring& system, const std::wstring& native);

// The form two names of one existing file share: the short form in lower case.
// Empty when the path has no short form (no such file).
std::wstring ComparisonForm(const std::wstring& path);

// The full path of `name` from the current folder; empty when there is none.
std::wstring FullPathOf(const std::wstring& name);
