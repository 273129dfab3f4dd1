// The recent-files list kept in the settings, as the program uses it.
#pragma once

// Lists `path` first; with `restoreCaret`, a file already listed gets its
// remembered caret back.
void AddRecentFile(const char* path, bool restoreCaret);

// Remembers the caret of the current document when it is listed.
void RememberCaretOfDocument();

// Handler of commands 900 + k: after the save prompt, brings forward the
// instance that shows the k-th entry, or loads it; an entry that cannot be
// loaded is emptied.
void OpenRecentFile(int k);
