// The toolbar at the top of the main window.
#pragma once
#include <windows.h>

extern HWND toolbarWindow;    // null while the toolbar is off
extern HBITMAP toolbarImages;  // the program's image strip given to the toolbar

void CreateToolbar();
void DestroyToolbar();
