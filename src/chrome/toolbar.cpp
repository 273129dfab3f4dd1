#include "chrome/toolbar.h"

#include <commctrl.h>

#include "base/globals.h"
#include "base/settings_store.h"
#include "base/view_code_pages.h"
#include "base/window_messages.h"
#include "chrome/toolbar_buttons.h"
#include "chrome/toolbar_restore.h"

HWND toolbarWindow;
HBITMAP toolbarImages;

namespace {

constexpr int standardImageCount = 15;

TBSAVEPARAMSW SaveParams() { return TBSAVEPARAMSW{HKEY_CURRENT_USER, settingsKeyPathWide, L"TBS"}; }

// Only a binary value of a plausible size goes to the control: the control's
// own format is opaque, and a value of another type is not one it wrote.
bool StoredArrangementUsable() {
  DWORD type = REG_NONE;
  DWORD size = 0;
  return DescribeSetting("TBS", &type, &size) && type == REG_BINARY && size > 0 && size <= 0x10000;
}

void AddImages() {
  int size = bigButtons ? 24 : 16;
  SendMessageW(toolbarWindow, TB_SETBITMAPSIZE, 0, MAKELONG(size, size));
  TBADDBITMAP standard{HINST_COMMCTRL, static_cast<UINT_PTR>(bigButtons ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR)};
  SendMessageW(toolbarWindow, TB_ADDBITMAP, standardImageCount, reinterpret_cast<LPARAM>(&standard));
  if (toolbarImages) DeleteObject(toolbarImages);
  toolbarImages = static_cast<HBITMAP>(
      LoadImageW(appInstance, MAKEINTRESOURCEW(bigButtons ? 2 : 1), IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS));
  // All eight pictures: the customisation list shows the last ones too.
  TBADDBITMAP own{nullptr, reinterpret_cast<UINT_PTR>(toolbarImages)};
  SendMessageW(toolbarWindow, TB_ADDBITMAP, programImageCount, reinterpret_cast<LPARAM>(&own));
}

}  // namespace

void CreateToolbar() {
  toolbarWindow = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                  WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP,
                                  0, 0, 0, 0, mainWindow, nullptr, appInstance, nullptr);
  if (!toolbarWindow) return;
  SendMessageW(toolbarWindow, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  AddImages();
  if (StoredArrangementUsable()) {
    RestoreToolbar();
  } else {
    AddDefaultButtons(toolbarWindow);
  }
}

void DestroyToolbar() {
  if (!toolbarWindow) return;
  DestroyWindow(toolbarWindow);
  toolbarWindow = nullptr;
}

void CustomizeToolbar() {
  if (!toolbarWindow) CreateToolbar();
  if (!toolbarWindow) return;
  PostLayout();
  SendMessageW(toolbarWindow, TB_CUSTOMIZE, 0, 0);
}

void SaveToolbar() {
  if (!toolbarWindow) return;
  TBSAVEPARAMSW params = SaveParams();
  SendMessageW(toolbarWindow, TB_SAVERESTOREW, TRUE, reinterpret_cast<LPARAM>(&params));
}

void RestoreToolbar() {
  if (!toolbarWindow || !StoredArrangementUsable()) return;
  TBSAVEPARAMSW params = SaveParams();
  StartRestoreCheck();
  SendMessageW(toolbarWindow, TB_SAVERESTOREW, FALSE, reinterpret_cast<LPARAM>(&params));
  // A stored command the program does not offer means the value is damaged:
  // then nothing of it is kept.
  if (!RestoreWasDamaged() && SendMessageW(toolbarWindow, TB_BUTTONCOUNT, 0, 0) > 0) return;
  while (SendMessageW(toolbarWindow, TB_DELETEBUTTON, 0, 0)) {
  }
  AddDefaultButtons(toolbarWindow);
}
