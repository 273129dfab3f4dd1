#include "chrome/toolbar.h"

#include <commctrl.h>

#include "base/display_scale.h"
#include "base/globals.h"
#include "base/pictures.h"
#include "base/settings_store.h"
#include "base/view_code_pages.h"
#include "base/window_messages.h"
#include "chrome/toolbar_buttons.h"
#include "chrome/toolbar_restore.h"

HWND toolbarWindow;
HIMAGELIST toolbarPictures;

namespace {

// The space around a button's picture at 96 dpi, as the control's own default.
constexpr int paddingX = 7;
constexpr int paddingY = 6;

TBSAVEPARAMSW SaveParams() { return TBSAVEPARAMSW{HKEY_CURRENT_USER, settingsKeyPathWide, L"TBS"}; }

// Only a binary value of a plausible size goes to the control: the control's
// own format is opaque, and a value of another type is not one it wrote.
bool StoredArrangementUsable() {
  DWORD type = REG_NONE;
  DWORD size = 0;
  return DescribeSetting("TBS", &type, &size) && type == REG_BINARY && size > 0 && size <= 0x10000;
}

}  // namespace

int ToolbarPictureSize(int dpi) { return PictureSize(bigButtons ? 24 : 16, dpi); }

void ScaleToolbar() {
  if (!toolbarWindow) return;
  const int size = ToolbarPictureSize(windowDpi);
  HIMAGELIST pictures = LoadPictures(size);
  const int padX = Scaled(paddingX, windowDpi), padY = Scaled(paddingY, windowDpi);
  SendMessageW(toolbarWindow, TB_SETPADDING, 0, MAKELPARAM(padX, padY));
  SendMessageW(toolbarWindow, TB_SETBITMAPSIZE, 0, MAKELONG(size, size));
  // The standard pictures and the program's own are one strip: image numbers stay as stored.
  SendMessageW(toolbarWindow, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(pictures));
  SendMessageW(toolbarWindow, TB_SETBUTTONSIZE, 0, MAKELONG(size + padX, size + padY));
  if (toolbarPictures) ImageList_Destroy(toolbarPictures);
  toolbarPictures = pictures;
  SendMessageW(toolbarWindow, TB_AUTOSIZE, 0, 0);
}

void CreateToolbar() {
  toolbarWindow = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                  WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_ADJUSTABLE | CCS_TOP,
                                  0, 0, 0, 0, mainWindow, nullptr, appInstance, nullptr);
  if (!toolbarWindow) return;
  SendMessageW(toolbarWindow, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  ScaleToolbar();
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
  if (toolbarPictures) ImageList_Destroy(toolbarPictures);
  toolbarPictures = nullptr;
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
