// The Open, Save As and Insert-from-file dialogs: one shared record and filter list.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <string>

extern OPENFILENAMEW fileDialogRecord;
extern DWORD fileFilterIndex;  // the filter chosen last with OK in any of the dialogs; 1 at first

// Owner, filter list and hook; every other field zero.
void PrepareFileDialogRecord();

// Sets the record's default extension for a filter (1-based); other indices leave it as it was.
void SetDefaultExtension(DWORD filterIndex);

// The Open dialog for an existing file; true with its full path in `path` after OK.
bool AskOpenPath(std::wstring& path);

// The Save As dialog opening with the name in `path`; true with the chosen
// path there after OK. Cancel leaves `path` as it was.
bool AskSavePath(std::wstring& path);

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
