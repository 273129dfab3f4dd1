// The recent-files list kept in the settings, as the program uses it.
#pragma once
#include <string>

// Lists `path` first; with `restoreCaret`, a file already listed gets its
// remembered caret back.
void AddRecentFile(const std::wstring& path, bool restoreCaret);

// The k-th entry (from 0) and the slot letter it is kept under; false when the
// list is shorter or the slot is free.
bool FindRecentFile(int k, char* slot, std::wstring* path);

// The path of the k-th entry (from 0) as the menu shows it and RecentFileCommand(k)
// opens it; empty when the list is shorter or the slot is free.
std::wstring RecentFilePath(int k);

// Remembers the caret of the current document when it is listed.
void RememberCaretOfDocument();

// Empties the slot of an entry that could not be loaded.
void ForgetRecentFile(char slot);
