// Printing in-process on the private spooler's PDF printer: page rectangles,
// the page count and its question, the preview's pages and magnification, and
// the Print dialog's Selection choice. Without a spooler these say so and skip.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>
#include <richedit.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/menu_bar.h"
#include "editor/editor_control.h"
#include "printing/page_count.h"
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

  static void SetPaper(short paper) {
    auto* mode = static_cast<DEVMODEA*>(GlobalLock(printerDevMode));
    ASSERT_NE(mode, nullptr);
    mode->dmPaperSize = paper;
    mode->dmFields |= DM_PAPERSIZE;
    GlobalUnlock(printerDevMode);
  }
};

TEST_F(Printing, PageMetricsGiveTheWholePaperLessAnInchEachSideOnA4AndLetter) {
  const struct { short paper; LONG width, height; } papers[] = {{DMPAPER_A4, 11906, 16838}, {DMPAPER_LETTER, 12240, 15840}};
  for (const auto& paper : papers) {
    HDC printer = GetPrinterDC();  // fills the stored printer the first time
    DeleteDC(printer);
    SetPaper(paper.paper);
    printer = GetPrinterDC();
    ASSERT_NE(printer, nullptr);
    RECT page, print;
    EXPECT_TRUE(PageMetrics(printer, page, print));
    // The device rounds the paper to whole dots.
    EXPECT_NEAR(page.right, paper.width, 12) << paper.paper;
    EXPECT_NEAR(page.bottom, paper.height, 12) << paper.paper;
    const RECT lessAnInch{1440, 1440, page.right - 1440, page.bottom - 1440};
    EXPECT_TRUE(EqualRect(&print, &lessAnInch)) << print.left << " " << print.top << " " << print.right;
    DeleteDC(printer);
  }
  SetPaper(DMPAPER_A4);
}

// Page setup shows and returns the margins in the user's units: 2500 is 25 mm
// on this metric system, and comes back unchanged; Cancel changes nothing.
TEST_F(Printing, PageSetupReturnsTheMarginsInTheUsersUnits) {
  const RECT margins{2500, 2000, 1500, 3000};
  for (int button : {IDOK, IDCANCEL}) {
    pageMargins = margins;
    ASSERT_TRUE(RunClosingDialog([] { Command(pageSetupCommand); }, button).appeared);
    EXPECT_TRUE(EqualRect(&pageMargins, &margins)) << pageMargins.left << " " << pageMargins.top << " " << button;
    EXPECT_NE(printerDevNames, nullptr);
  }
}

TEST_F(Printing, PageCountAsksForPageNumbersAndTheAnswerChecksTheMenuItem) {
  SetThreePages();
  EXPECT_EQ(CountPrintedPages(), 3u);
  for (int answer : {IDYES, IDNO}) {
    DialogSeen seen = RunClosingDialog([] { Command(pageNumbersCommand); }, answer);
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(seen.title, "Страниц: 3");
    EXPECT_NE(seen.texts.find("Включить номера страниц?"), std::string::npos) << seen.texts;
    EXPECT_EQ(pageNumbersOn, answer == IDYES);
    UINT state = GetMenuState(mainMenu, pageNumbersCommand, MF_BYCOMMAND);
    EXPECT_EQ((state & MF_CHECKED) != 0, answer == IDYES);
  }
  // Too many pages: the error caption.
  SetEditorText(NumberedLines(LinesPerPage() * 520));
  DialogSeen seen = RunClosingDialog([] { Command(pageNumbersCommand); }, IDNO);
  EXPECT_EQ(seen.title, "ошибка EnumPage()");
}

// The page area drawn into a bitmap of its size: which pixels are dark.
struct PagePicture {
  int width = 0, height = 0;
  std::vector<bool> ink;
  bool RowInked(int y) const { return std::count(ink.begin() + y * width, ink.begin() + (y + 1) * width, true) > 0; }
  POINT FirstInk() const {  // row by row
    auto first = static_cast<int>(std::find(ink.begin(), ink.end(), true) - ink.begin());
    return first == width * height ? POINT{width, height} : POINT{first % width, first / width};
  }
  // The height of the first inked band: rows from the first inked one down to the next row without ink.
  int FirstBandHeight() const {
    int y = FirstInk().y, top = y;
    while (y < height && RowInked(y)) ++y;
    return y - top;
  }
};

PagePicture DrawPageArea(HWND dialog) {
  HWND area = GetDlgItem(dialog, 104);
  RECT client{};
  GetClientRect(area, &client);
  PagePicture picture;
  picture.width = client.right;
  picture.height = client.bottom;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(dc, bitmap);
  DRAWITEMSTRUCT item{};
  item.CtlType = ODT_STATIC;
  item.CtlID = 104;
  item.hwndItem = area;
  item.hDC = dc;
  item.rcItem = client;
  SendMessageA(dialog, WM_DRAWITEM, 104, reinterpret_cast<LPARAM>(&item));
  for (int y = 0; y < client.bottom; ++y)
    for (int x = 0; x < client.right; ++x) picture.ink.push_back(GetRValue(GetPixel(dc, x, y)) < 128);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return picture;
}

void Click(HWND dialog, int id) { SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

TEST_F(Printing, PreviewStepsThroughThePagesAndMagnifiesThreeTimesAroundTheClick) {
  SetThreePages();
  pageNumbersOn = true;
  std::vector<std::string> captions;
  bool lastDisabled = false;
  PagePicture whole, magnified, again;
  POINT numberTop{};
  DialogSeen seen = RunClosingDialog([] { Command(printPreviewCommand); }, IDOK, [&](HWND dialog) {
    HWND next = GetDlgItem(dialog, 102);
    for (int i = 0; i < 200 && WindowText(next).empty(); ++i) Sleep(25);
    for (int page = 1; page < 3; ++page) {
      captions.push_back(WindowText(next));
      Click(dialog, 102);
      DrawPageArea(dialog);
    }
    captions.push_back(WindowText(next));
    lastDisabled = !IsWindowEnabled(next);
    Click(dialog, 101);
    whole = DrawPageArea(dialog);
    captions.push_back(WindowText(next));
    // A click on the top of the page number: that point stays where it is.
    numberTop = whole.FirstInk();
    POINT click = numberTop;
    MapWindowPoints(GetDlgItem(dialog, 104), dialog, &click, 1);
    SendMessageA(dialog, WM_LBUTTONDOWN, 0, MAKELPARAM(click.x, click.y));
    magnified = DrawPageArea(dialog);
    SendMessageA(dialog, WM_RBUTTONDOWN, 0, MAKELPARAM(click.x, click.y));
    again = DrawPageArea(dialog);
  });
  ASSERT_TRUE(seen.appeared);
  pageNumbersOn = false;
  EXPECT_EQ(seen.title, "Просмотр: " + WindowText(mainWindow));
  EXPECT_EQ(captions, (std::vector<std::string>{"1&.>>", "2&.>>", "3 ||", "1&.>>"}));
  EXPECT_TRUE(lastDisabled);
  ASSERT_LT(numberTop.y, whole.height);  // something was drawn
  // The page number sits in the top margin, above the text.
  EXPECT_LT(numberTop.y, whole.height / 12);
  EXPECT_NEAR(numberTop.x, whole.width / 2, whole.width / 30);
  POINT corner = magnified.FirstInk();
  // The page number, three times as high: glyphs are drawn at the larger size.
  ASSERT_GT(whole.FirstBandHeight(), 3);
  EXPECT_GE(magnified.FirstBandHeight(), 5 * whole.FirstBandHeight() / 2);
  EXPECT_LE(magnified.FirstBandHeight(), 4 * whole.FirstBandHeight());
  // Fixed within two pixels of the whole page: glyphs are hinted at each size.
  EXPECT_NEAR(corner.x, numberTop.x, 6);
  EXPECT_NEAR(corner.y, numberTop.y, 6);
  EXPECT_EQ(again.ink, whole.ink);
}

TEST_F(Printing, PrintDialogOffersTheSelectionOnlyForMoreThanOneCharacter) {
  SetEditorText(NumberedLines(5));
  for (LONG end : {1, 5}) {
    Select(0, end);
    bool selectionEnabled = true;
    DialogSeen seen = RunClosingDialog([] { Command(printCommand); }, IDCANCEL,
                                       [&](HWND dialog) { selectionEnabled = IsWindowEnabled(GetDlgItem(dialog, rad2)); });
    ASSERT_TRUE(seen.appeared);
    EXPECT_EQ(selectionEnabled, end > 1) << end;
  }
}

}  // namespace
