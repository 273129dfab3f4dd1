#include "chrome/status_bar.h"

#include <commctrl.h>

#include "app/globals.h"

HWND statusWindow;

void CreateStatusBar() {
  statusWindow = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | WS_BORDER, "", mainWindow, statusBarId);
  if (!statusWindow) return;
  int edges[] = {95, 125, 230, 300, -1};
  SendMessageA(statusWindow, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(edges));
  RefreshCodePagePane();
  ShowFilePath();
  RefreshKeyboardPane();
}

void DestroyStatusBar() {
  if (!statusWindow) return;
  DestroyWindow(statusWindow);
  statusWindow = nullptr;
}

// The keyboard and code-page panes are drawn by the bar's owner; until they
// are, they stay empty.
void RefreshKeyboardPane() {}
void RefreshCodePagePane() {}

void ShowFilePath() {
  if (!statusWindow) return;
  SendMessageA(statusWindow, SB_SETTEXTA, pathPane, reinterpret_cast<LPARAM>(currentPath));
}
