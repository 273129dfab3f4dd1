// The DPI a window is shown at and the system's measures at a given DPI, from
// the newer per-monitor functions where the system has them.
#pragma once
#include <windows.h>

// Sent to a per-monitor aware window whose DPI changed (not in older headers).
constexpr UINT dpiChangedMessage = 0x02E0;

// What the system says of `window` now: GetDpiForWindow, else the screen's
// LOGPIXELSY (older systems, where every window has the system's DPI).
int SystemDpiOf(HWND window);

// The non-client measures and fonts (menu, status bar, messages) at `dpi`.
NONCLIENTMETRICSW MetricsAt(int dpi);
