// The status bar on the program's own main window: its panes, the pictures
// and names of the code-page pane, the insert mode, the path tooltip, the
// code-page menu on a click, and nothing at all while it is off.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "chrome/status_bar.h"
#include "conversion/view_commands.h"
#include "conversion/view_format.h"
#include "documents/document_title.h"
#include "editor/caret_report.h"
#include "editor/editor_control.h"
#include "key_presses.h"
#include "program_windows.h"

namespace {

class StatusBar : public ProgramWindows {
 protected:
  void SetUp() override {
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  }
  void TearDown() override {
    if (!statusWindow) CreateStatusBar();
    SetViewCodePage(Ansi);
  }

  // The pane as the bar paints it on screen.
  static std::vector<COLORREF> PanePixels(int pane, RECT* where = nullptr) {
    RedrawWindow(statusWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT rect{};
    SendMessageA(statusWindow, SB_GETRECT, pane, reinterpret_cast<LPARAM>(&rect));
    if (where) *where = rect;
    HDC screen = GetDC(statusWindow);
    std::vector<COLORREF> pixels;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    }
    ReleaseDC(statusWindow, screen);
    return pixels;
  }

  // The program's 16-pixel picture `image` at `x`, `y` of the bar.
  static bool ShowsPicture(int image, int x, int y) {
    HDC screen = GetDC(statusWindow);
    HDC source = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(source, programImages);
    bool same = true;
    for (int dy = 0; dy < 16 && same; ++dy) {
      for (int dx = 0; dx < 16 && same; ++dx) same = GetPixel(screen, x + dx, y + dy) == GetPixel(source, 16 * image + dx, dy);
    }
    SelectObject(source, previous);
    DeleteDC(source);
    ReleaseDC(statusWindow, screen);
    return same;
  }

  static HWND PathTooltip() {
    struct Search {
      HWND found;
    } search{};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) -> BOOL {
          char name[32] = {};
          GetClassNameA(window, name, sizeof name);
          if (lstrcmpiA(name, TOOLTIPS_CLASSA) != 0 || GetWindow(window, GW_OWNER) != mainWindow) return TRUE;
          TTTOOLINFOA tool{};
          tool.cbSize = TTTOOLINFOA_V1_SIZE;
          tool.hwnd = statusWindow;
          tool.uId = 111;
          if (!SendMessageA(window, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool))) return TRUE;
          reinterpret_cast<Search*>(param)->found = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
  }
};

TEST_F(StatusBar, FivePanesEndAtTheirFixedEdges) {
  int edges[8] = {};
  ASSERT_EQ(SendMessageA(statusWindow, SB_GETPARTS, 8, reinterpret_cast<LPARAM>(edges)), 5);
  EXPECT_EQ(std::vector<int>(edges, edges + 4), (std::vector<int>{95, 125, 230, 300}));
  EXPECT_EQ(edges[4], -1);
}

TEST_F(StatusBar, CodePagePaneShowsThePictureOfEachViewKey) {
  const struct {
    KeyPress key;
    CodePage view;
  } keys[] = {{{VK_F2, Ctrl}, Oem}, {{VK_F2, Alt}, Koi8}, {{VK_F2, Plain}, Ansi}};
  std::vector<std::vector<COLORREF>> seen;
  for (const auto& key : keys) {
    Press(editorWindow, key.key);
    ASSERT_EQ(viewCodePage, key.view);
    RECT pane;
    seen.push_back(PanePixels(codePagePane, &pane));
    EXPECT_TRUE(ShowsPicture(key.view, pane.left + 1, (pane.top + pane.bottom - 16) / 2)) << key.view;
  }
  EXPECT_NE(seen[0], seen[1]);
  EXPECT_NE(seen[1], seen[2]);
  EXPECT_NE(seen[0], seen[2]);
}

TEST_F(StatusBar, KeyboardPaneShowsTheLayoutsLanguage) {
  std::vector<COLORREF> pixels = PanePixels(keyboardPane);
  std::vector<COLORREF> background(pixels.size(), pixels.front());
  EXPECT_NE(pixels, background) << "nothing drawn in the keyboard pane";
}

TEST_F(StatusBar, InsertKeySwitchesTheModePane) {
  EXPECT_EQ(StatusPaneText(insertModePane), "Вставка");
  Press(editorWindow, {VK_INSERT, Plain});
  EXPECT_EQ(StatusPaneText(insertModePane), "Замена");
  Press(editorWindow, {VK_INSERT, Plain});
  EXPECT_EQ(StatusPaneText(insertModePane), "Вставка");
}

TEST_F(StatusBar, PathPaneAndItsTooltipFollowTheTitle) {
  HWND tooltip = PathTooltip();
  ASSERT_NE(tooltip, nullptr);
  // Longer than the pane shows, shorter than the 80 characters the tooltip gives back.
  std::string path = "C:\\Документы\\очень длинный путь к тексту\\документ.txt";
  lstrcpynA(currentPath, path.c_str(), sizeof currentPath);
  ShowFilePath();
  EXPECT_EQ(StatusPaneText(pathPane), path);
  char shown[MAX_PATH] = {};
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = statusWindow;
  tool.uId = statusBarId;
  tool.lpszText = shown;
  SendMessageA(tooltip, TTM_GETTEXTA, sizeof shown, reinterpret_cast<LPARAM>(&tool));
  EXPECT_EQ(std::string(shown), path);
  lstrcpynA(currentPath, untitledName, sizeof currentPath);
}

bool menuSeen;

void CALLBACK NoteMenuAndClose(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (menu && IsWindowVisible(menu)) menuSeen = true;
  EndMenu();
}

TEST_F(StatusBar, ClickOnTheCodePagePaneOpensTheCodePageMenuOnlyThere) {
  RECT codePage, path;
  SendMessageA(statusWindow, SB_GETRECT, codePagePane, reinterpret_cast<LPARAM>(&codePage));
  SendMessageA(statusWindow, SB_GETRECT, pathPane, reinterpret_cast<LPARAM>(&path));
  const struct {
    UINT message;
    RECT pane;
    bool opens;
  } clicks[] = {{WM_LBUTTONUP, codePage, true}, {WM_RBUTTONUP, codePage, true}, {WM_LBUTTONUP, path, false}};
  for (const auto& click : clicks) {
    menuSeen = false;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, NoteMenuAndClose);
    LPARAM point = MAKELPARAM(click.pane.left + 20, (click.pane.top + click.pane.bottom) / 2);
    SendMessageA(statusWindow, click.message, 0, point);
    KillTimer(nullptr, timer);
    EXPECT_EQ(menuSeen, click.opens) << click.message << " at " << click.pane.left;
  }
}

TEST_F(StatusBar, WhileOffEveryRequestDoesNothing) {
  DestroyStatusBar();
  ASSERT_EQ(statusWindow, nullptr);
  Press(editorWindow, {VK_INSERT, Plain});
  Press(editorWindow, {VK_INSERT, Plain});
  SetViewCodePage(Oem);
  RefreshKeyboardPane();
  ReportCaretPosition();
  ReportInsertMode();
  ShowFilePath();
  EXPECT_EQ(statusWindow, nullptr);
  EXPECT_EQ(viewCodePage, Oem);
  EXPECT_FALSE(overwriteMode);
}

}  // namespace
