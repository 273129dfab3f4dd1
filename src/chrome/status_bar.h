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
constexpr int statusPaneEdges[] = {95, 125, 230, 300, -1};  // right edges; -1 runs to the bar's end

void CreateStatusBar();
void DestroyStatusBar();
void RefreshKeyboardPane();
void RefreshCodePagePane();
void ShowFilePath();

// WM_DRAWITEM of the two owner-drawn panes: keyboard language and code page.
void DrawStatusPane(const DRAWITEMSTRUCT& item);
