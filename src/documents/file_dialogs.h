// The one record shared by the Open, Save As and Insert-from-file dialogs.
#pragma once
#include <windows.h>
#include <commdlg.h>

extern OPENFILENAMEA fileDialogRecord;

// Owner, filter list, path size and hook; every other field zero.
void PrepareFileDialogRecord();

UINT_PTR CALLBACK FileDialogHook(HWND hook, UINT message, WPARAM wParam, LPARAM lParam);
