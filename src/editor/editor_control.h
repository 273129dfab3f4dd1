// The document control that holds the whole document, and the state kept beside it.
#pragma once
#include <windows.h>

#include <cstdint>

extern HWND editorWindow;       // null before creation, while re-created, or when the class is missing
extern WNDPROC editorBaseProc;  // the control's own procedure, behind the input procedure
extern DWORD wrapStyle;         // extra style bits: 0 = word wrap on
extern int32_t textLimit;       // largest text held and largest file loaded, in bytes
extern bool overwriteMode;
extern bool editorFocusForward;  // the main window hands the focus on to the editor

struct CaretRange {
  int32_t start;
  int32_t end;
};
extern CaretRange lastCaretRange;  // the selection last shown in the status bar

constexpr DWORD wordWrapOffStyle = WS_HSCROLL | ES_AUTOHSCROLL;  // 0x100080

// From the machine's physical memory; once, before the editor is created.
void ComputeTextLimit();

// Creates the control as the main window's child, empty, unmodified and in
// insert mode, with the focus. `editorWindow` stays null when that fails.
void CreateEditor();
