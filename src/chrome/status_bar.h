// The status bar at the bottom of the main window: caret position, keyboard
// language, view code page, insert mode, file path. Every request does nothing
// while the bar is switched off.
#pragma once
#include <windows.h>

#include "base/status_reports.h"

extern HWND statusWindow;  // null while the bar is off

constexpr int statusBarId = 111;
constexpr int caretPane = static_cast<int>(StatusPane::Caret);
constexpr int keyboardPane = static_cast<int>(StatusPane::Keyboard);
constexpr int codePagePane = static_cast<int>(StatusPane::CodePage);
constexpr int insertModePane = static_cast<int>(StatusPane::InsertMode);
constexpr int pathPane = static_cast<int>(StatusPane::Path);
constexpr int statusPaneCount = 5;
constexpr int statusTextMargin = 4;  // pixels at 96 dpi on either side of a pane's text
constexpr int statusPictureGap = 2;  // between the code page's picture and its name

// The longest text each pane left of the path shows, in the order of the panes;
// the code-page pane shows its picture before the name.
extern const wchar_t* const widestCaretText;
extern const wchar_t* const widestKeyboardText;

// Made for the main window's DPI (windowDpi): its font and every pane's width.
void CreateStatusBar();
void DestroyStatusBar();
void RefreshKeyboardPane();
void RefreshCodePagePane();
void ShowFilePath();

// WM_DRAWITEM of the two owner-drawn panes: keyboard language and code page.
void DrawStatusPane(const DRAWITEMSTRUCT& item);
