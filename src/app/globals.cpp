#include "app/globals.h"

HANDLE processHeap;
HINSTANCE appInstance;
HWND mainWindow;
HWND markerWindow;
HICON appIcon;
HICON appIconSmall;
HICON webIconSmall;
char currentPath[MAX_PATH];

const char untitledName[] = "БезИмени";
const char markerClassName[] = "Zorn2 - ZovaV";
const char mainClassName[] = "ZORN2";
