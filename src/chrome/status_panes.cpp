#include <windows.h>
#include <commctrl.h>

#include "base/display_scale.h"
#include "base/globals.h"
#include "base/pictures.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"
#include "chrome/status_bar.h"
#include "codepages/code_pages.h"
#include "editor/view_format.h"

namespace {

// The first two letters of the active layout's abbreviated language name, "RU" or "EN".
void DrawKeyboardPane(const DRAWITEMSTRUCT& item) {
  wchar_t name[4] = {};
  LANGID language = LOWORD(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)));
  GetLocaleInfoW(MAKELCID(language, SORT_DEFAULT), LOCALE_SABBREVLANGNAME, name, 4);
  name[2] = L'\0';
  CharUpperW(name);
  int mode = SetBkMode(item.hDC, TRANSPARENT);
  RECT rect = item.rcItem;
  DrawTextW(item.hDC, name, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  SetBkMode(item.hDC, mode);
}

// The view code page's picture, then its name.
void DrawCodePagePane(const DRAWITEMSTRUCT& item) {
  const int view = ViewIndex(viewCodePage);
  if (view < 0) return;
  const int size = PictureSize(16, windowDpi);
  RECT rect = item.rcItem;
  rect.left += Scaled(statusTextMargin, windowDpi);
  if (menuPictures) {
    ImageList_Draw(menuPictures, standardPictureCount + viewImages[view], item.hDC, rect.left,
                   (rect.top + rect.bottom - size) / 2, ILD_TRANSPARENT);
  }
  rect.left += size + Scaled(statusPictureGap, windowDpi);
  DrawStatusTextW(item.hDC, &rect, WideFromUtf8(CodePageDisplayName(viewCodePage)).c_str(), SBT_NOBORDERS);
}

}  // namespace

void DrawStatusPane(const DRAWITEMSTRUCT& item) {
  if (item.itemID == keyboardPane) DrawKeyboardPane(item);
  if (item.itemID == codePagePane) DrawCodePagePane(item);
}
