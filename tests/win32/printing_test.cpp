// Printing in-process on the private spooler's PDF printer: page setup and the
// Print dialog's Selection choice. Without a spooler these say so and skip.
// The page rectangles and the page sequence are tested natively, the page
// count, its question and the printed pages end to end.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>
#include <string>

#include "printing/print_setup.h"
#include "program_windows.h"

namespace {

class Printing : public ProgramWindows {
 protected:
  void SetUp() override {
    pageMargins = RECT{2500, 2500, 2500, 2500};
    HDC printer = GetPrinterDC();
    if (!printer) GTEST_SKIP() << "no printer: the private print spooler did not start (see cups-session.sh)";
    DeleteDC(printer);
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
