#include "base/globals.h"

#include "base/wide_strings.h"

HANDLE processHeap;
HINSTANCE appInstance;
HWND mainWindow;
HWND markerWindow;
char currentPath[MAX_PATH];

std::wstring DocumentPathText() { return WideFromBytes(currentPath, CP_ACP); }

std::wstring MainWindowTitle() { return WindowTextOf(mainWindow); }

HICON appIcon;
HICON appIconSmall;
HICON webIconSmall;
int windowDpi = 96;
HIMAGELIST menuPictures;
NONCLIENTMETRICSW menuMetrics;
HFONT menuFont;
HACCEL accelerators;
COLORREF customColors[16];

bool documentControlRegistered;
bool useEditorUndo;
bool editorUndoSeen;
bool rememberCaret;
bool rememberPlacement;
bool placementActive;
bool bigButtons;

const char untitledName[] = "БезИмени";
const char markerClassName[] = "Zorn2 - ZovaV";
const char mainClassName[] = "ZORN2";
