// Printing in-process on the private spooler's PDF printer: page setup and
// the Print dialog's Selection choice. They run when Wine sees that
// printer (test_printer.h), are skipped without a spooler and fail when Wine
// does not see the spooler's printer. The page rectangles and the page
// sequence are tested natively, the page count, its question and the printed
// pages end to end.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>

#include <string>

#include "printing/print_setup.h"
#include "program_windows.h"
#include "test_printer.h"

namespace {

class Printing : public ProgramWindows {
 protected:
  void SetUp() override {
    pageMargins = RECT{2500, 2500, 2500, 2500};
    TestPrinter printer = FindTestPrinter();
    if (printer.state == TestPrinterState::NoSpooler) GTEST_SKIP() << printer.account;
    ASSERT_TRUE(printer.state == TestPrinterState::Seen) << printer.account;
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

TEST_F(Printing, PrintDialogOffersTheSelectionOnlyForMoreThanOneCharacter) {
  SetEditorText("Строка 1\r\nСтрока 2\r\n");
  for (LONG end : {1, 5}) {
    Select(0, end);
    int selectionEnabled = -1;
    RunClosingDialog([] { Command(printCommand); }, IDCANCEL,
                     [&](HWND dialog) { selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, rad2)); });
    EXPECT_EQ(selectionEnabled, end > 1) << end;
  }
}

}  // namespace
