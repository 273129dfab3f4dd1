#include "printing/print_document.h"

#include <windows.h>
#include <commdlg.h>
#include <richedit.h>

#include <string>

#include "base/globals.h"
#include "control/document_control.h"
#include "editor/editor_control.h"
#include "printing/page_number.h"
#include "printing/page_sequence.h"
#include "printing/print_progress.h"
#include "printing/print_setup.h"

namespace {

constexpr WORD NoPage = 0xFFFF;

// What the Print dialog answered, or false on Cancel.
bool AskPrintDialog(PRINTDLGW& request, const CHARRANGE& selection) {
  request = PRINTDLGW{};
  request.lStructSize = sizeof request;
  request.hwndOwner = mainWindow;
  request.hDevMode = printerDevMode;
  request.hDevNames = printerDevNames;
  request.Flags = PD_RETURNDC;
  // A selection of one character cannot be printed alone.
  if (selection.cpMax - selection.cpMin < 2) request.Flags |= PD_NOSELECTION;
  request.nFromPage = request.nToPage = NoPage;
  request.nMinPage = 1;
  request.nMaxPage = NoPage;
  request.nCopies = 1;
  return PrintDlgW(&request) != FALSE;
}

PrintChoice ChoiceOf(const PRINTDLGW& request) {
  PrintChoice choice;
  choice.copies = request.nCopies;
  choice.collate = (request.Flags & PD_COLLATE) != 0;
  choice.pageRange = (request.Flags & PD_PAGENUMS) != 0;
  choice.fromPage = request.nFromPage;
  choice.toPage = request.nToPage;
  return choice;
}

// One job on the printer `dc`: every page of [start, end) the run asks for.
class PrintJob {
 public:
  explicit PrintJob(HDC dc) : dc_(dc), geometry_(PageGeometryOf(dc)) {
    range_.hdc = range_.hdcTarget = dc;
    range_.rcPage = ToRect(geometry_.page);
    if (geometry_.verticalMargins && pageNumbersOn) {
      number_ = CreateWindowExA(0, documentControlClassName, nullptr, WS_CHILD, 0, 0, CW_USEDEFAULT, CW_USEDEFAULT,
                                mainWindow, nullptr, appInstance, nullptr);
      if (number_) MatchPageNumberFormat(number_);
    }
  }
  ~PrintJob() {
    if (number_) DestroyWindow(number_);
    SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  }
  PrintJob(const PrintJob&) = delete;
  PrintJob& operator=(const PrintJob&) = delete;

  // False when the user cancelled or the printer refused a page.
  bool Run(const PrintRun& run, PagePosition start, PagePosition end, PrintProgress& progress) {
    return RunPrintJob(
        run, start, end,
        [&](PagePosition at) {
          // Each pass lays out afresh from the start of the range.
          if (at == start) SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
          return FormatPage(at, end);
        },
        [&](unsigned page) {
          progress.ShowPage(page);
          return PrintPage(page) && progress.Continue();
        });
  }

 private:
  PagePosition FormatPage(PagePosition at, PagePosition end) {
    range_.rc = ToRect(geometry_.print);
    range_.chrg = {static_cast<LONG>(at), static_cast<LONG>(end)};
    return SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range_));
  }

  // A job deleted from the queue, or a driver out of paper, fails the page's end.
  bool PrintPage(unsigned page) {
    if (StartPage(dc_) <= 0) return false;
    if (number_) {
      RECT place = LayOutPageNumber(number_, dc_, dc_, geometry_, page, false);
      SendMessageA(number_, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&place));
    }
    RECT print = ToRect(geometry_.print);
    SendMessageA(editorWindow, EM_DISPLAYBAND, 0, reinterpret_cast<LPARAM>(&print));
    return endPrinterPage(dc_) > 0;
  }

  HDC dc_;
  PageGeometry geometry_;
  FORMATRANGE range_{};
  HWND number_ = nullptr;
};

// The printer's device context of the Print dialog, deleted however the job ends.
struct PrinterContext {
  HDC dc;
  ~PrinterContext() {
    if (dc) DeleteDC(dc);
  }
};

}  // namespace

PageEnd endPrinterPage = EndPage;

bool PrintPagesOn(HDC printer, const PrintRun& run, PagePosition start, PagePosition end, bool toFile) {
  if (PrintProgress::Running()) return false;
  PrintProgress progress(printer);
  // The spooler shows the job under the window's title, whatever its script.
  const std::wstring caption = MainWindowTitle();
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = caption.c_str();
  if (toFile) document.lpszOutput = L"FILE:";
  if (StartDocW(printer, &document) <= 0) return false;
  bool printed = false;
  try {
    PrintJob job(printer);
    printed = job.Run(run, start, end, progress);
  } catch (...) {
    AbortDoc(printer);
    throw;
  }
  // A cancelled or failed job is taken off the queue whole.
  if (printed) return EndDoc(printer) > 0;
  AbortDoc(printer);
  return false;
}

void PrintDocument() {
  if (!editorWindow || PrintProgress::Running()) return;
  CHARRANGE selection{};
  SendMessageW(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  PRINTDLGW request;
  if (!AskPrintDialog(request, selection)) return;
  StorePrinter(request.hDevMode, request.hDevNames);
  PrinterContext printer{request.hDC};
  if (!printer.dc) return;
  PagePosition start = 0, end = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  if (request.Flags & PD_SELECTION) start = selection.cpMin, end = selection.cpMax;
  PrintPagesOn(printer.dc, PlanPrintRun(ChoiceOf(request)), start, end, (request.Flags & PD_PRINTTOFILE) != 0);
}
