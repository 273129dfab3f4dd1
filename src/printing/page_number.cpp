#include "printing/page_number.h"

#include <richedit.h>

#include <cstdio>

#include "base/settings_store.h"
#include "editor/editor_control.h"
#include "printing/print_setup.h"

void MatchPageNumberFormat(HWND number) {
  CHARFORMATW format{};
  format.cbSize = sizeof format;
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_COLOR | CFM_FACE | CFM_SIZE | CFM_CHARSET;
  if (editorWindow) SendMessageA(editorWindow, EM_GETCHARFORMAT, TRUE, reinterpret_cast<LPARAM>(&format));
  format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_COLOR | CFM_FACE | CFM_SIZE | CFM_CHARSET;
  format.yHeight = 0;
  SendMessageA(number, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
  SendMessageA(number, EM_SETBKGNDCOLOR, 0, ReadSettingDword("Bk", static_cast<int32_t>(GetSysColor(COLOR_WINDOW))));
}

RECT LayOutPageNumber(HWND number, HDC dc, HDC target, const PageGeometry& geometry, unsigned page, bool render) {
  char text[16];
  int length = std::snprintf(text, sizeof text, "-%u-", page);
  SetWindowTextA(number, text);
  // Measured in the whole top margin first, to centre what it takes.
  FORMATRANGE range{};
  range.hdc = dc;
  range.hdcTarget = target;
  range.rcPage = ToRect(geometry.page);
  range.rc = RECT{0, geometry.page.top, geometry.page.right, geometry.print.top};
  range.chrg = {0, length};
  SendMessageA(number, EM_FORMATRANGE, FALSE, 0);
  SendMessageA(number, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
  RECT used = range.rc;
  range.rc = ToRect(PageNumberRect(geometry, used.right - used.left, used.bottom - used.top));
  RECT place = range.rc;
  SendMessageA(number, EM_FORMATRANGE, FALSE, 0);
  SendMessageA(number, EM_FORMATRANGE, render, reinterpret_cast<LPARAM>(&range));
  return place;
}
