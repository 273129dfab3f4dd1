// Following the main window to another display scale, font or theme: the
// window keeps its DPI (windowDpi) and lays out its children for it.
#pragma once
#include <windows.h>

// Makes `dpi` the window's own and builds the menu looks, toolbar, status bar
// and document font again for it; the text, caret, selection and scroll stay.
void ApplyWindowDpi(int dpi);

// WM_DPICHANGED: the new DPI, and the window takes the rectangle the system suggests.
void OnDpiChanged(WPARAM dpis, const RECT& suggested);

// WM_SETTINGCHANGE and WM_THEMECHANGED: the menu and status bar fonts may
// have changed, so the owner-drawn items are measured again and the status
// bar is made anew.
void OnSystemLooksChanged();
