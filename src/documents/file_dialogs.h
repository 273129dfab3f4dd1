// The Open, Save As and Insert-from-file dialogs: one shared record and filter list.
#pragma once
#include <windows.h>
#include <commdlg.h>

extern OPENFILENAMEA fileDialogRecord;
extern DWORD fileFilterIndex;  // the filter chosen last with OK in any of the dialogs; 1 at first

// Owner, filter list, path size and hook; every other field zero.
void PrepareFileDialogRecord();

// Sets the record's default extension for a filter (1-based); other indices leave it as it was.
void SetDefaultExtension(DWORD filterIndex);

// The Open dialog for an existing file; true with its full path in `path` after OK.
bool AskOpenPath(char (&path)[MAX_PATH]);

// The Save As dialog opening with the name in `path`; true with the chosen
// path there after OK. Cancel, or a path too long for it, leaves `path` as it was.
bool AskSavePath(char (&path)[MAX_PATH]);

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
