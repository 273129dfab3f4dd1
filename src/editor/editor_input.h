// The editor's input procedure, in front of the control's own.
#pragma once
#include <windows.h>

LRESULT CALLBACK EditorInputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
