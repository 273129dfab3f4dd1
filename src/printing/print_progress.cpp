#include "printing/print_progress.h"

#include <string>

#include "base/globals.h"
#include "base/ui_texts.h"

namespace {

constexpr int progressDialogId = 10;
constexpr int pageText = 101;

HWND box = nullptr;
bool running = false;
bool cancelled = false;

INT_PTR CALLBACK BoxProcedure(HWND, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    PrintProgress::Cancel();
    return TRUE;
  }
  return FALSE;
}

// Runs every waiting message; the box takes its keys (Esc, Enter, Space on Cancel).
bool PumpMessages() {
  MSG message;
  while (!cancelled && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop, after the job
      cancelled = true;
    } else if (!box || !IsDialogMessageW(box, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  return !cancelled;
}

BOOL CALLBACK AbortProcedure(HDC, int) { return PumpMessages(); }

}  // namespace

PrintProgress::PrintProgress(HDC printer) {
  running = true;
  cancelled = false;
  box = CreateDialogParamW(appInstance, MAKEINTRESOURCEW(progressDialogId), mainWindow, BoxProcedure, 0);
  EnableWindow(mainWindow, FALSE);
  if (box) ShowWindow(box, SW_SHOW);
  SetAbortProc(printer, AbortProcedure);
}

PrintProgress::~PrintProgress() {
  // Enabled before the box goes, so that Windows gives the main window the focus back.
  EnableWindow(mainWindow, TRUE);
  if (box) DestroyWindow(box);
  box = nullptr;
  running = false;
}

bool PrintProgress::Running() { return running; }

void PrintProgress::Cancel() { cancelled = true; }

void PrintProgress::ShowPage(unsigned page) {
  if (box) SetDlgItemTextW(box, pageText, FillText(printingPageText, {std::to_wstring(page)}).c_str());
}

bool PrintProgress::Continue() { return PumpMessages(); }
