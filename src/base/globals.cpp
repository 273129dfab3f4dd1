#include "base/globals.h"

#include "base/ui_texts.h"
#include "base/wide_strings.h"

HANDLE processHeap;
HINSTANCE appInstance;
HWND mainWindow;
HWND markerWindow;
std::wstring currentPath = untitledName;

std::wstring DocumentPathText() { return currentPath; }

bool DocumentUntitled() { return currentPath == untitledName; }

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

const wchar_t markerClassName[] = L"Zorn2 - ZovaV";
