// The toolbar and the status bar on the program's own main window: the
// arrangement kept in "TBS", the code-page and insert-mode panes.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/globals.h"
#include "app/settings_store.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "conversion/view_format.h"
#include "editor/editor_control.h"
#include "key_presses.h"
#include "program_windows.h"

namespace {

// Each button's command and picture; -1 for a separator.
const std::vector<int> firstRun = {7, 6, 8, 7, 9, 8, -1, 1, 0, 2, 1, 3, 2, -1, 4, 3};

class Chrome : public ProgramWindows {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  }
  void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath); }
  static void Restart() {
    DestroyToolbar();
    CreateToolbar();
  }
  static std::vector<int> Buttons() {
    std::vector<int> shown;
    for (int i = 0; i < SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0); ++i) {
      TBBUTTON button{};
      SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      if (button.fsStyle & TBSTYLE_SEP) shown.push_back(-1);
      else shown.insert(shown.end(), {button.idCommand, button.iBitmap});
    }
    return shown;
  }
  static void Notify(UINT code) {
    NMHDR header{toolbarWindow, 0, code};
    SendMessageA(mainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }
};

TEST_F(Chrome, FirstRunButtonsThenAChangedArrangementSurvivesARestartAndReset) {
  Restart();
  EXPECT_EQ(Buttons(), firstRun);
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  TBBUTTON wrap{10, 25, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0};
  SendMessageA(toolbarWindow, TB_INSERTBUTTONA, 3, reinterpret_cast<LPARAM>(&wrap));
  Notify(TBN_TOOLBARCHANGE);  // what the customisation dialog sends after a change
  const std::vector<int> changed = Buttons();
  ASSERT_NE(changed, firstRun);
  Restart();
  EXPECT_EQ(Buttons(), changed);
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  Notify(TBN_RESET);
  EXPECT_EQ(Buttons(), changed);
}

TEST_F(Chrome, StoredArrangementOfAnotherTypeOrDamagedGivesTheFirstRunButtons) {
  const DWORD commands[] = {7, 0x12345, 8};
  const struct {
    DWORD type;
    const void* data;
    DWORD size;
  } stored[] = {{REG_SZ, "7 8", 4}, {REG_DWORD, commands, 4}, {REG_BINARY, commands, 12}, {REG_BINARY, commands, 3}};
  for (const auto& value : stored) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "TBS", 0, value.type, static_cast<const BYTE*>(value.data), value.size);
    RegCloseKey(key);
    Restart();
    EXPECT_EQ(Buttons(), firstRun) << "type " << value.type << ", " << value.size << " bytes";
  }
}

// The program's picture of `view` at the left of the code-page pane, as the bar shows it.
bool CodePagePaneShows(CodePage view) {
  RedrawWindow(statusWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT pane;
  SendMessageA(statusWindow, SB_GETRECT, codePagePane, reinterpret_cast<LPARAM>(&pane));
  HDC screen = GetDC(statusWindow);
  HDC images = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(images, programImages);
  int top = (pane.top + pane.bottom - 16) / 2;
  bool same = true;
  for (int i = 0; i < 256 && same; ++i) {
    same = GetPixel(screen, pane.left + 1 + i % 16, top + i / 16) == GetPixel(images, 16 * view + i % 16, i / 16);
  }
  SelectObject(images, previous);
  DeleteDC(images);
  ReleaseDC(statusWindow, screen);
  return same;
}

TEST_F(Chrome, PanesEndAtTheirEdgesAndFollowTheViewKeysAndInsert) {
  int edges[6] = {};
  ASSERT_EQ(SendMessageA(statusWindow, SB_GETPARTS, 6, reinterpret_cast<LPARAM>(edges)), 5);
  EXPECT_EQ(std::vector<int>(edges, edges + 5), (std::vector<int>{95, 125, 230, 300, -1}));
  const struct {
    KeyPress key;
    CodePage view;
  } keys[] = {{{VK_F2, Ctrl}, Oem}, {{VK_F2, Alt}, Koi8}, {{VK_F2, Plain}, Ansi}};
  for (const auto& key : keys) {
    Press(editorWindow, key.key);
    EXPECT_TRUE(CodePagePaneShows(key.view)) << key.view;
  }
  Press(editorWindow, {VK_INSERT, Plain});
  EXPECT_EQ(StatusPaneText(insertModePane), "Замена");
  Press(editorWindow, {VK_INSERT, Plain});
  EXPECT_EQ(StatusPaneText(insertModePane), "Вставка");
}

}  // namespace
