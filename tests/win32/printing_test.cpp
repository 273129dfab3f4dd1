// Printing in-process on the private spooler's PDF printer: page setup, the
// preview's pages and the Print dialog's Selection choice. Without a spooler
// these say so and skip. The page rectangles are tested natively, the page
// count, its question and the printed pages end to end.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/globals.h"
#include "editor/editor_control.h"
#include "printing/print_setup.h"
#include "program_windows.h"

namespace {

std::string NumberedLines(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) text += "Строка " + std::to_string(i) + "\r\n";
  return text;
}

class Printing : public ProgramWindows {
 protected:
  void SetUp() override {
    pageMargins = RECT{2500, 2500, 2500, 2500};
    pageNumbersOn = false;
    HDC printer = GetPrinterDC();
    if (!printer) GTEST_SKIP() << "no printer: the private print spooler did not start (see cups-session.sh)";
    DeleteDC(printer);
  }

  // Lines of NumberedLines that fill one page on the printer.
  static int LinesPerPage() {
    SetEditorText(NumberedLines(1000));
    HDC printer = GetPrinterDC();
    RECT page, print;
    PageMetrics(printer, page, print);
    FORMATRANGE range{};
    range.hdc = range.hdcTarget = printer;
    range.rc = print;
    range.rcPage = page;
    range.chrg = {0, -1};
    SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
    LRESULT next = SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
    DeleteDC(printer);
    std::string first = EditorText().substr(0, static_cast<std::size_t>(next));
    return static_cast<int>(std::count(first.begin(), first.end(), '\n'));
  }

  // A text of two and a half pages: three pages on the printer.
  static void SetThreePages() {
    int lines = LinesPerPage();
    ASSERT_GT(lines, 10);
    SetEditorText(NumberedLines(lines * 5 / 2));
  }
};

// Page setup shows and returns the margins in the user's units: 2500 is 25 mm
// on this metric system, and comes back unchanged; Cancel changes nothing.
TEST_F(Printing, PageSetupReturnsTheMarginsInTheUsersUnits) {
  const RECT margins{2500, 2000, 1500, 3000};
  for (int button : {IDOK, IDCANCEL}) {
    pageMargins = margins;
    ASSERT_TRUE(RunClosingDialog([] { Command(pageSetupCommand); }, button).appeared);
    EXPECT_TRUE(EqualRect(&pageMargins, &margins)) << pageMargins.left << " " << pageMargins.top << " " << button;
  }
}

// A click, then the page drawn as the screen shows it: the preview learns of the next page by laying this one out.
void Click(HWND dialog, int id) {
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// The next-page button names the page shown and is greyed on the last one; the
// first-page button goes back. What a page looks like is read on the printed
// file by the end-to-end tests.
TEST_F(Printing, PreviewStepsThroughThePages) {
  SetThreePages();
  std::vector<std::string> captions;
  bool lastDisabled = false;
  RunClosingDialog([] { Command(printPreviewCommand); }, IDOK, [&](HWND dialog) {
    HWND next = GetDlgItem(dialog, 102);
    for (int i = 0; i < 200 && WindowText(next).empty(); ++i) Sleep(25);
    for (int page = 1; page < 3; ++page) {
      captions.push_back(WindowText(next));
      Click(dialog, 102);
    }
    captions.push_back(WindowText(next));
    lastDisabled = !IsWindowEnabled(next);
    Click(dialog, 101);
    captions.push_back(WindowText(next));
  });
  EXPECT_EQ(captions, (std::vector<std::string>{"1&.>>", "2&.>>", "3 ||", "1&.>>"}));
  EXPECT_TRUE(lastDisabled);
}

TEST_F(Printing, PrintDialogOffersTheSelectionOnlyForMoreThanOneCharacter) {
  SetEditorText(NumberedLines(5));
  for (LONG end : {1, 5}) {
    Select(0, end);
    int selectionEnabled = -1;
    RunClosingDialog([] { Command(printCommand); }, IDCANCEL,
                     [&](HWND dialog) { selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, rad2)); });
    EXPECT_EQ(selectionEnabled, end > 1) << end;
  }
}

}  // namespace
