// Printing in-process on the private spooler's PDF printer: page setup, the
// Print dialog's Selection choice and the preview. They run when Wine sees that
// printer (test_printer.h), are skipped without a spooler and fail when Wine
// does not see the spooler's printer. The page rectangles and the page
// sequence are tested natively, the page count, its question and the printed
// pages end to end.
#include <gtest/gtest.h>
#include <windows.h>
#include <dlgs.h>
#include <richedit.h>

#include <new>
#include <string>
#include <tuple>
#include <vector>

#include "base/commands.h"
#include "base/globals.h"
#include "editor/editor_control.h"
#include "printing/print_document.h"
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
    ASSERT_TRUE(RunClosingDialog([] { SendCommand(Command::PageSetup); }, button).appeared);
    EXPECT_TRUE(EqualRect(&pageMargins, &margins)) << pageMargins.left << " " << pageMargins.top << " " << button;
  }
}

TEST_F(Printing, PrintDialogOffersTheSelectionOnlyForMoreThanOneCharacter) {
  SetEditorText("Строка 1\r\nСтрока 2\r\n");
  for (LONG end : {1, 5}) {
    Select(0, end);
    int selectionEnabled = -1;
    RunClosingDialog([] { SendCommand(Command::Print); }, IDCANCEL,
                     [&](HWND dialog) { selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, rad2)); });
    EXPECT_EQ(selectionEnabled, end > 1) << end;
  }
}

// A page the preview drew: the range asked for, where the next page starts,
// and where the whole page (rcPage) landed in the page area, in pixels.
struct DrawnPage {
  LONG from = -1;
  LRESULT next = -1;
  RECT rc{};
  RECT pageBox{};
};

WNDPROC editorProc;
DrawnPage lastDrawn;

RECT PageBoxOn(HDC dc, const RECT& page) {
  const int dotsX = GetDeviceCaps(dc, LOGPIXELSX), dotsY = GetDeviceCaps(dc, LOGPIXELSY);
  POINT corners[2] = {{MulDiv(page.left, dotsX, TwipsPerInch), MulDiv(page.top, dotsY, TwipsPerInch)},
                      {MulDiv(page.right, dotsX, TwipsPerInch), MulDiv(page.bottom, dotsY, TwipsPerInch)}};
  LPtoDP(dc, corners, 2);
  return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

// The editor as the preview uses it, noting each page it draws.
LRESULT CALLBACK NotingEditor(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != EM_FORMATRANGE || !wParam || !lParam) {
    return CallWindowProcA(editorProc, window, message, wParam, lParam);
  }
  const auto& range = *reinterpret_cast<const FORMATRANGE*>(lParam);
  DrawnPage page{range.chrg.cpMin, 0, range.rc, PageBoxOn(range.hdc, range.rcPage)};
  page.next = CallWindowProcA(editorProc, window, message, wParam, lParam);
  lastDrawn = page;
  return page.next;
}

// What the preview shows after each of the user's steps.
struct Shown {
  DrawnPage page;
  std::string nextCaption;
  bool nextEnabled = false;
};

// Where each page starts, as the printer lays the text out, and the print rectangle.
std::vector<LRESULT> PageStarts(RECT& print) {
  HDC printer = GetPrinterDC();
  PageGeometry geometry = PageGeometryOf(printer);
  print = ToRect(geometry.print);
  const LRESULT length = SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0);
  std::vector<LRESULT> starts{0};
  SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  while (starts.back() < length && starts.size() < 10) {
    FORMATRANGE range{printer, printer, print, ToRect(geometry.page), {static_cast<LONG>(starts.back()), -1}};
    starts.push_back(SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, reinterpret_cast<LPARAM>(&range)));
  }
  SendMessageA(editorWindow, EM_FORMATRANGE, FALSE, 0);
  DeleteDC(printer);
  return starts;
}

// Three pages stepped through with the next button and back with "1", then a
// click on the page and a second one: each page is the printer's page, the
// next button names it, and the click magnifies three times around its point.
TEST_F(Printing, PreviewShowsEachPrintedPageNumbersItAndMagnifiesAroundTheClick) {
  enum { firstButton = 101, nextButton = 102, pageArea = 104 };
  std::string text;
  for (int n = 1; n <= 150; ++n) text += "Строка " + std::to_string(n) + ": съешь же ещё этих булок\r\n";
  SetEditorText(text);
  RECT print;
  const std::vector<LRESULT> starts = PageStarts(print);
  ASSERT_EQ(starts.size(), 4u) << "the text should fill three pages";

  std::vector<Shown> shown;
  RECT area{};
  POINT click{};
  editorProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(editorWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NotingEditor)));
  RunClosingDialog([] { SendCommand(Command::PrintPreview); }, IDCANCEL, [&](HWND dialog) {
    HWND page = GetDlgItem(dialog, pageArea);
    const auto note = [&] {  // the page painted anew; a sent WM_PAINT returns once it is drawn
      InvalidateRect(page, nullptr, FALSE);
      SendMessageA(page, WM_PAINT, 0, 0);
      shown.push_back({lastDrawn, WindowText(GetDlgItem(dialog, nextButton)),
                       IsWindowEnabled(GetDlgItem(dialog, nextButton)) != FALSE});
    };
    const auto clickAt = [&](POINT point) {  // in the page area; the dialog takes the click
      MapWindowPoints(page, dialog, &point, 1);
      SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
      note();
    };
    // A size of its own, before or after Wine's modal loop shows the dialog
    // normal (SW_SHOWNORMAL) when its queue first runs empty, which takes the
    // preview out of its maximised state.
    ShowWindow(dialog, SW_RESTORE);
    MoveWindow(dialog, 0, 0, 900, 700, TRUE);
    GetClientRect(page, &area);
    note();
    for (int button : {nextButton, nextButton, firstButton}) {
      SendDlgItemMessageA(dialog, button, BM_CLICK, 0, 0);
      note();
    }
    click = POINT{area.right / 3, area.bottom / 4};
    clickAt(click);
    clickAt(POINT{area.right / 2, area.bottom * 3 / 4});
  });
  SetWindowLongPtrA(editorWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editorProc));

  const struct { int page; const char* caption; } steps[] = {{1, "1&.>>"}, {2, "2&.>>"}, {3, "3 ||"}, {1, "1&.>>"}};
  ASSERT_EQ(shown.size(), std::size(steps) + 2);
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    const Shown& s = shown[i];
    EXPECT_EQ(s.page.from, starts[steps[i].page - 1]);
    EXPECT_EQ(s.page.next, starts[steps[i].page]);
    EXPECT_TRUE(EqualRect(&s.page.rc, &print));
    EXPECT_EQ(s.nextCaption, steps[i].caption);
    EXPECT_EQ(s.nextEnabled, steps[i].page < 3);
  }
  // The whole page fills the area (up to rounding); magnified, the page point
  // under the click stays under it; the second click shows the whole page again.
  const RECT whole = shown[0].page.pageBox, magnified = shown[4].page.pageBox, again = shown[5].page.pageBox;
  EXPECT_NEAR(whole.left, 0, 3);
  EXPECT_NEAR(whole.top, 0, 3);
  EXPECT_NEAR(whole.right, area.right, 3);
  EXPECT_NEAR(whole.bottom, area.bottom, 3);
  EXPECT_NEAR(magnified.right - magnified.left, 3 * (whole.right - whole.left), 3);
  EXPECT_NEAR(magnified.bottom - magnified.top, 3 * (whole.bottom - whole.top), 3);
  EXPECT_NEAR(click.x - magnified.left, 3 * (click.x - whole.left), 3);
  EXPECT_NEAR(click.y - magnified.top, 3 * (click.y - whole.top), 3);
  EXPECT_TRUE(EqualRect(&again, &whole));
  EXPECT_EQ(shown[4].page.from, 0);
}

// What a test job does as a page ends, at the page it names.
enum class AtPage { Nothing, Cancel, Refuse, RunOutOfMemory };
AtPage pageAction;
unsigned actionPage, pagesEnded;

int WINAPI EndTestPage(HDC printer) {
  const int ended = EndPage(printer);
  if (++pagesEnded != actionPage) return ended;
  if (pageAction == AtPage::Cancel) SendMessageW(FindWindowW(L"#32770", L"Печать..."), WM_COMMAND, IDCANCEL, 0);
  if (pageAction == AtPage::RunOutOfMemory) throw std::bad_alloc();
  return pageAction == AtPage::Refuse ? SP_ERROR : ended;  // as when the job was deleted from the queue
}

// Cancel in the printing box and a refused page stop a job after the current
// page, and the main window is enabled again however the job ends.
TEST_F(Printing, AJobStopsAfterThePageCancelledOrRefusedAndAlwaysGivesTheWindowBack) {
  SetEditorText(std::string(150, '\n'));  // three pages, as the preview's 150 lines
  const struct { AtPage action; unsigned at, pages; bool printed; } cases[] = {
      {AtPage::Nothing, 0, 3, true}, {AtPage::Cancel, 1, 1, false},
      {AtPage::Refuse, 2, 2, false}, {AtPage::RunOutOfMemory, 2, 2, false}};
  endPrinterPage = EndTestPage;
  for (const auto& c : cases) {
    pageAction = c.action, actionPage = c.at, pagesEnded = 0;
    HDC printer = GetPrinterDC();
    bool printed = false, outOfMemory = false;
    try {
      printed = PrintPagesOn(printer, PrintRun{}, 0, SendMessageA(editorWindow, WM_GETTEXTLENGTH, 0, 0), false);
    } catch (const std::bad_alloc&) {
      outOfMemory = true;
    }
    DeleteDC(printer);
    const auto expected = std::tuple(c.pages, c.printed, c.action == AtPage::RunOutOfMemory);
    EXPECT_EQ(std::tuple(pagesEnded, printed, outOfMemory), expected);
    EXPECT_TRUE(IsWindowEnabled(mainWindow) && !FindWindowW(L"#32770", L"Печать...")) << static_cast<int>(c.action);
  }
  endPrinterPage = EndPage;
}

// With no printer installed the preview and the page count say so in one box
// and go no further: no question about numbers follows.
TEST_F(ProgramWindows, WithoutAPrinterPreviewAndPageCountSaySoOnceAndStop) {
  const DefaultPrinterQuery system = askDefaultPrinter;
  askDefaultPrinter = [](PRINTDLGW&) -> DWORD { return PDERR_NODEFAULTPRN; };
  FreePrintSetup();
  for (Command command : {Command::PrintPreview, Command::PageNumbers}) {
    SCOPED_TRACE(Id(command));
    std::wstring said;
    auto answer = [&said](HWND box) {
      said.resize(512);
      said.resize(GetDlgItemTextW(box, 0xFFFF, said.data(), 512));
      PostMessageA(box, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(RunWithDialogs([command] { SendCommand(command); }, {answer, answer}), 1);
    EXPECT_NE(said.find(L"не установлен ни один принтер"), std::wstring::npos);
  }
  askDefaultPrinter = system;
}

}  // namespace
