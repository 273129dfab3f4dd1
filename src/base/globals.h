// Process-wide state of the program: one window, one document, one thread.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

extern HANDLE processHeap;  // source of every private block
extern HINSTANCE appInstance;
extern HWND mainWindow;
extern HWND markerWindow;  // hidden child; its text names the document for other instances
extern std::wstring currentPath;  // as the user named it, or untitledName
// The document's path (or untitled name) as the user reads it.
std::wstring DocumentPathText();
bool DocumentUntitled();
// The main window's title, whole.
std::wstring MainWindowTitle();

extern HICON appIcon;
extern HICON appIconSmall;
extern HICON webIconSmall;
extern int windowDpi;             // the main window's DPI, which its children are laid out for
extern HIMAGELIST menuPictures;  // the pictures of the menus and the status bar at windowDpi
extern NONCLIENTMETRICSW menuMetrics;
extern HFONT menuFont;
extern HACCEL accelerators;
extern COLORREF customColors[16];

extern bool documentControlRegistered;  // false: no editor can exist, the run ends with 255
extern bool useEditorUndo;              // the control's own undo instead of the undo journal
extern bool editorUndoSeen;             // set for good once the control's undo was in use
extern bool rememberCaret;
extern bool rememberPlacement;
extern bool placementActive;  // the placement is restored at start and saved at exit
extern bool bigButtons;

extern const wchar_t markerClassName[];  // "Zorn2 - ZovaV": other instances look for it
