// Times printing's page layout under Wine or Windows on the default printer
// (the private PDF printer of the tests): counting the pages of a 10 MB text
// (command 23 stops at 512 pages), and showing the first preview page of a
// 100 MB text, from the command to the page drawn. Prints its numbers; not a test.
//
//   print-bench [count megabytes] [preview megabytes]
#include <windows.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/globals.h"
#include "control/document_control.h"
#include "editor/editor_control.h"
#include "printing/page_count.h"
#include "printing/print_preview.h"
#include "printing/print_setup.h"

namespace {

double Now() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// DOS-866 lines of Russian words with their numbers, `megabytes` long.
std::string RussianLines(int megabytes) {
  const std::string line = " \xAF\xE0\xA8\xA2\xA5\xE2, \xAC\xA8\xE0 \xA8 \xA4\xAE\xAC\r\n";  // " привет, мир и дом"
  std::string text;
  std::size_t size = static_cast<std::size_t>(megabytes) << 20;
  text.reserve(size + 64);
  for (unsigned n = 1; text.size() < size; ++n) text += std::to_string(n) + line;
  text.resize(size);
  return text;
}

void Load(const std::string& text) {
  SendMessageA(editorWindow, EM_EXLIMITTEXT, 0, 0x7FFFFFFF);
  SendMessageA(editorWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Closes the preview once its first page is drawn (the next-page button gets
// its caption then) and notes the time.
double firstPageShown = 0;
DWORD WINAPI CloseAfterFirstPage(void*) {
  for (int i = 0; i < 6000; ++i) {
    HWND dialog = FindWindowA("#32770", nullptr);
    char caption[32] = {};
    if (dialog) GetWindowTextA(GetDlgItem(dialog, 102), caption, sizeof caption);
    if (caption[0]) {
      firstPageShown = Now();
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
      return 0;
    }
    Sleep(1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  int countMegabytes = argc > 1 ? std::atoi(argv[1]) : 10;
  int previewMegabytes = argc > 2 ? std::atoi(argv[2]) : 100;
  appInstance = GetModuleHandleA(nullptr);
  RegisterDocumentControlClass(appInstance);
  mainWindow = CreateWindowExA(0, "STATIC", "print-bench", WS_POPUP | WS_VISIBLE, 0, 0, 820, 640, nullptr, nullptr,
                               appInstance, nullptr);
  editorWindow = CreateWindowExA(0, documentControlClassName, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0,
                                 0, 800, 600, mainWindow, nullptr, appInstance, nullptr);
  pageMargins = RECT{2500, 2500, 2500, 2500};
  HDC printer = GetPrinterDC();
  if (!printer) {
    std::printf("no printer: start one (scripts/cups-session.sh) and set CUPS_SERVER\n");
    return 1;
  }
  DeleteDC(printer);

  Load(RussianLines(countMegabytes));
  double start = Now();
  unsigned pages = CountPrintedPages();
  double counted = Now() - start;
  std::printf("count pages of %d MB: %u pages (512 = the limit) in %.3f s, %.2f ms a page\n", countMegabytes, pages,
              counted, counted * 1000 / (pages ? pages : 1));

  Load(RussianLines(previewMegabytes));
  HANDLE closer = CreateThread(nullptr, 0, CloseAfterFirstPage, nullptr, 0, nullptr);
  start = Now();
  ShowPrintPreview();
  WaitForSingleObject(closer, INFINITE);
  CloseHandle(closer);
  std::printf("first preview page of %d MB: %.3f s (goal: 1 s)\n", previewMegabytes, firstPageShown - start);
  DestroyWindow(mainWindow);
  return 0;
}
