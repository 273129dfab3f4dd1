#include "printing/page_count.h"

#include <windows.h>
#include <richedit.h>

#include <cstdio>

#include "base/commands.h"
#include "base/globals.h"
#include "editor/editor_control.h"
#include "printing/page_sequence.h"
#include "printing/print_setup.h"

unsigned CountPrintedPages() {
  if (!editorWindow) return 0;
  HDC printer = GetPrinterDCOrSay();
  if (!printer) return 0;
  EnableWindow(mainWindow, FALSE);
  PageGeometry geometry = PageGeometryOf(printer);
  FORMATRANGE range{};
  range.hdc = range.hdcTarget = printer;
  range.rcPage = ToRect(geometry.page);
  PagePosition length = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  unsigned count = CountPages(length, [&](PagePosition at) {
    range.rc = ToRect(geometry.print);  // the editor shrinks it to what it used
    range.chrg = {static_cast<LONG>(at), static_cast<LONG>(length)};
    return static_cast<PagePosition>(SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
  });
  DeleteDC(printer);
  SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  EnableWindow(mainWindow, TRUE);
  return count;
}

void CountPagesAndAskNumbers() {
  unsigned count = CountPrintedPages();
  if (count == 0 && NoPrinterInstalled()) return;  // the user was told, and there is nothing to number
  char caption[40];
  if (count >= 1 && count < PageCountLimit) {
    std::snprintf(caption, sizeof caption, "Страниц: %u", count);
  } else {
    std::snprintf(caption, sizeof caption, "ошибка EnumPage()");
  }
  int answer = MessageBoxA(mainWindow, "Включить номера страниц?", caption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  pageNumbersOn = answer == IDYES;
}
