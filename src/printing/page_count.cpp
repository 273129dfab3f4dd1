#include "printing/page_count.h"

#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <string>

#include "base/commands.h"
#include "base/globals.h"
#include "base/ui_texts.h"
#include "editor/editor_control.h"
#include "printing/page_sequence.h"
#include "printing/print_progress.h"
#include "printing/print_setup.h"

namespace {

// The printer's device context, deleted however the count ends.
struct CountingPrinter {
  HDC dc;
  ~CountingPrinter() {
    DeleteDC(dc);
    SendMessageW(editorWindow, EM_FORMATRANGE, FALSE, 0);
  }
};

}  // namespace

unsigned CountPrintedPages() {
  if (!editorWindow || PrintProgress::Running()) return 0;
  HDC dc = GetPrinterDCOrSay();
  if (!dc) return 0;
  CountingPrinter printer{dc};
  PrintProgress progress(dc);
  PageGeometry geometry = PageGeometryOf(dc);
  FORMATRANGE range{};
  range.hdc = range.hdcTarget = dc;
  range.rcPage = ToRect(geometry.page);
  PagePosition length = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(editorWindow, EM_FORMATRANGE, FALSE, 0);
  bool cancelled = false;
  unsigned page = 0;
  unsigned count = CountPages(length, [&](PagePosition at) {
    progress.ShowPage(++page);
    // A cancelled count ends here, as if the text did.
    if (!progress.Continue()) {
      cancelled = true;
      return length;
    }
    range.rc = ToRect(geometry.print);  // the editor shrinks it to what it used
    range.chrg = {static_cast<LONG>(at), static_cast<LONG>(length)};
    return static_cast<PagePosition>(SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
  });
  return cancelled ? PageCountCancelled : count;
}

void CountPagesAndAskNumbers() {
  unsigned count = CountPrintedPages();
  if (count == PageCountCancelled) return;
  if (count == 0 && NoPrinterInstalled()) return;  // the user was told, and there is nothing to number
  const std::wstring caption = count >= 1 && count < PageCountLimit
                                    ? FillText(pageCountCaption, {std::to_wstring(count)})
                                    : std::wstring(pageCountFailedCaption);
  int answer = MessageBoxW(mainWindow, pageNumbersQuestion, caption.c_str(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  pageNumbersOn = answer == IDYES;
}
