// The recent-files list kept in the settings, as the program uses it.
#pragma once
#include <string>

// Lists `path` first; with `restoreCaret`, a file already listed gets its
// remembered caret back.
void AddRecentFile(const char* path, bool restoreCaret);

// The path of the k-th entry (from 0) as the menu shows it and RecentFileCommand(k)
// opens it; empty when the list is shorter or the slot is free.
std::string RecentFilePath(int k);

// Remembers the caret of the current document when it is listed.
void RememberCaretOfDocument();

// Handler of RecentFileCommand(k): after the save prompt, brings forward the
// instance that shows the k-th entry, or loads it; an entry that cannot be
// loaded is emptied.
void OpenRecentFile(int k);
