// The main window procedure: layout, closing, menus, and the commands.
#pragma once
#include <windows.h>

constexpr UINT caretMovedMessage = WM_USER + 1;  // posted when the caret may have moved

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Asks for the children to be laid out again once the queue reaches it: after
// a bar came or went.
void PostLayout();
