// Process-wide state of the program: one window, one document, one thread.
#pragma once
#include <windows.h>

extern HANDLE processHeap;
extern HINSTANCE appInstance;
extern HWND mainWindow;
extern HWND markerWindow;
extern HICON appIcon;
extern HICON appIconSmall;
extern HICON webIconSmall;
extern char currentPath[MAX_PATH];

extern const char untitledName[];
extern const char markerClassName[];  // "Zorn2 - ZovaV": other instances look for it
extern const char mainClassName[];    // "ZORN2": also the caption of every message box
