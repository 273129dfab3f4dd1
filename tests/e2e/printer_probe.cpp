// What the end-to-end print tests ask Wine, run in their Wine session:
//
//   printer-probe              whether the test printer is seen (test_printer.h):
//                              exit 0, 77 (no spooler: skip) or 1, and the account
//   printer-probe print-dialog the X window of the shown Print dialog, known by its
//                              printer list, copies field and OK button; exit 1 if none
#include <windows.h>
#include <dlgs.h>

#include <cstdio>
#include <cstring>

#include "../win32/test_printer.h"

namespace {

constexpr int skipped = 77;

bool IsChildOfClass(HWND dialog, int id, const char* className) {
  HWND child = GetDlgItem(dialog, id);
  char name[32] = {};
  return child && GetClassNameA(child, name, sizeof name) && lstrcmpiA(name, className) == 0;
}

// Wine's "no printer" box and other windows of the same caption have none of these.
BOOL CALLBACK FindPrintDialog(HWND window, LPARAM found) {
  char name[16] = {};
  GetClassNameA(window, name, sizeof name);
  if (!IsWindowVisible(window) || lstrcmpA(name, "#32770") != 0) return TRUE;
  if (!IsChildOfClass(window, cmb4, "ComboBox") || !IsChildOfClass(window, edt3, "Edit") ||
      !IsChildOfClass(window, IDOK, "Button")) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

int ShowPrintDialogWindow() {
  HWND dialog = nullptr;
  EnumWindows(FindPrintDialog, reinterpret_cast<LPARAM>(&dialog));
  // Wine's X11 driver keeps the X window of each top-level window in this property.
  auto xWindow = reinterpret_cast<UINT_PTR>(dialog ? GetPropA(dialog, "__wine_x11_whole_window") : nullptr);
  if (!xWindow) return 1;
  std::printf("%lu\n", static_cast<unsigned long>(xWindow));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "print-dialog") == 0) return ShowPrintDialogWindow();
  TestPrinter printer = FindTestPrinter();
  std::printf("%s\n", printer.account.c_str());
  switch (printer.state) {
    case TestPrinterState::Seen: return 0;
    case TestPrinterState::NoSpooler: return skipped;
    default: return 1;
  }
}
