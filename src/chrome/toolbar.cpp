#include "chrome/toolbar.h"

HWND toolbarWindow;
HBITMAP toolbarImages;

// No toolbar yet: the window stays null, which every user of it tests.
void CreateToolbar() {}

void DestroyToolbar() {
  if (!toolbarWindow) return;
  DestroyWindow(toolbarWindow);
  toolbarWindow = nullptr;
}
