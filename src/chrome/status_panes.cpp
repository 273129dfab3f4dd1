#include <windows.h>
#include <commctrl.h>

#include "base/globals.h"
#include "base/view_code_pages.h"
#include "base/wide_strings.h"
#include "chrome/status_bar.h"
#include "codepages/code_pages.h"
#include "editor/view_format.h"

namespace {

constexpr int imageSize = 16;

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
  HDC images = programImages ? CreateCompatibleDC(item.hDC) : nullptr;
  if (images) {
    HGDIOBJ previous = SelectObject(images, programImages);
    BitBlt(item.hDC, item.rcItem.left + 1, (item.rcItem.top + item.rcItem.bottom - imageSize) / 2, imageSize,
           imageSize, images, imageSize * viewImages[view], 0, SRCCOPY);
    SelectObject(images, previous);
    DeleteDC(images);
  }
  RECT rect = item.rcItem;
  rect.left += imageSize + 2;
  DrawStatusTextW(item.hDC, &rect, WideFromUtf8(CodePageDisplayName(viewCodePage)).c_str(), SBT_NOBORDERS);
}

}  // namespace

void DrawStatusPane(const DRAWITEMSTRUCT& item) {
  if (item.itemID == keyboardPane) DrawKeyboardPane(item);
  if (item.itemID == codePagePane) DrawCodePagePane(item);
}
