// The File menu's commands on the document: New, Open, Insert from, Save.
#pragma once
#include <windows.h>

// After the save prompt: an empty, unmodified, untitled document.
void NewDocument();

// After the save prompt: the Open dialog, then the chosen file is loaded.
void OpenCommand();

// The Open dialog (no prompt), then the chosen file replaces the selection.
void InsertFromCommand();

// Save As for an untitled document, a plain save otherwise.
void SaveCommand();

// Handler of commands 900 + k: after the save prompt, brings forward the
// instance that shows the k-th recent file, or loads it; an entry that cannot
// be loaded is emptied.
void OpenRecentFile(int k);

// Files dropped on the editor: only the first is opened, after the save-changes
// question. False when the drop names no file.
bool OpenDroppedFile(HDROP drop);
