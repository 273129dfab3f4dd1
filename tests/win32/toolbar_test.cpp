// The toolbar on the program's own main window: its first-run buttons, the
// arrangement kept in "TBS" across a restart, what it does with a damaged
// value, and its answers to the control's notifications.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/settings_store.h"
#include "chrome/toolbar.h"
#include "program_windows.h"

namespace {

struct Shown {
  int command;
  int image;
  bool separator;
  bool operator==(const Shown&) const = default;
};

const std::vector<Shown> firstRun = {{7, 6, false}, {8, 7, false}, {9, 8, false}, {0, 0, true}, {1, 0, false},
                                     {2, 1, false}, {3, 2, false}, {0, 0, true},  {4, 3, false}};

class Toolbar : public ProgramWindows {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    Restart();
  }
  void TearDown() override {
    bigButtons = false;
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    Restart();
  }
  static void Restart() {
    DestroyToolbar();
    CreateToolbar();
    ASSERT_NE(toolbarWindow, nullptr);
  }
  static std::vector<Shown> Buttons() {
    std::vector<Shown> shown;
    auto count = static_cast<int>(SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TBBUTTON button{};
      SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      bool separator = (button.fsStyle & TBSTYLE_SEP) != 0;
      shown.push_back({button.idCommand, separator ? 0 : button.iBitmap, separator});
    }
    return shown;
  }
  static LRESULT Notify(NMHDR* header, UINT code) {
    header->hwndFrom = toolbarWindow;
    header->code = code;
    return SendMessageA(mainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(header));
  }
  static void StoreRaw(DWORD type, const void* data, DWORD size) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "TBS", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
};

TEST_F(Toolbar, FirstRunShowsSevenButtonsInThreeGroups) {
  EXPECT_EQ(Buttons(), firstRun);
  for (int command : {7, 8, 9, 1, 2, 3, 4}) {
    EXPECT_EQ(SendMessageA(toolbarWindow, TB_GETSTATE, command, 0), TBSTATE_ENABLED) << command;
  }
}

TEST_F(Toolbar, ArrangementChangedInTheCustomisationDialogSurvivesARestart) {
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);  // New
  TBBUTTON wrap{10, 25, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0};
  SendMessageA(toolbarWindow, TB_INSERTBUTTONA, 3, reinterpret_cast<LPARAM>(&wrap));
  NMHDR change{};
  Notify(&change, TBN_TOOLBARCHANGE);
  DWORD type = REG_NONE, size = 0;
  ASSERT_TRUE(DescribeSetting("TBS", &type, &size));
  EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

  std::vector<Shown> changed = Buttons();
  Restart();
  EXPECT_EQ(Buttons(), changed);
  EXPECT_EQ(changed.at(3), (Shown{25, 10, false}));
  EXPECT_EQ(SendMessageA(toolbarWindow, TB_GETSTATE, 25, 0) & TBSTATE_ENABLED, TBSTATE_ENABLED);

  // The reset button puts back what was stored last.
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  NMHDR reset{};
  Notify(&reset, TBN_RESET);
  EXPECT_EQ(Buttons(), changed);
}

TEST_F(Toolbar, StoredValueOfAnotherTypeOrDamagedGivesTheFirstRunButtons) {
  const DWORD unknownCommands[] = {7, 0x12345, 8};
  const DWORD number = 8;
  const struct {
    const char* what;
    DWORD type;
    const void* data;
    DWORD size;
  } stored[] = {
      {"string", REG_SZ, "7 8 9", 6},
      {"number", REG_DWORD, &number, sizeof number},
      {"unknown commands", REG_BINARY, unknownCommands, sizeof unknownCommands},
      {"cut short", REG_BINARY, unknownCommands, 3},
      {"empty", REG_BINARY, "", 0},
  };
  for (const auto& value : stored) {
    StoreRaw(value.type, value.data, value.size);
    Restart();
    EXPECT_EQ(Buttons(), firstRun) << value.what;
  }
}

TEST_F(Toolbar, CustomisationListOffersThirtyTwoCaptionedButtons) {
  char text[64];
  NMTOOLBARA info{};
  info.pszText = text;
  info.cchText = sizeof text;
  const struct {
    int item;
    int command;
    int image;
    BYTE style;
    const char* caption;
  } offered[] = {
      {0, 1, 0, TBSTYLE_BUTTON, "&Вырезать"},       {4, 38, 7, TBSTYLE_BUTTON, "&Вставить из..."},
      {15, 29, 15, TBSTYLE_BUTTON, "-> A&NSI"},     {21, 22, 21, TBSTYLE_BUTTON, "&По правому краю"},
      {24, 25, 10, TBSTYLE_CHECK, "П&еренос по словам"}, {31, 36, 22, TBSTYLE_BUTTON, "&Line Break"},
  };
  for (const auto& expected : offered) {
    info.iItem = expected.item;
    EXPECT_EQ(Notify(&info.hdr, TBN_GETBUTTONINFOA), TRUE) << expected.item;
    EXPECT_EQ(info.tbButton.idCommand, expected.command);
    EXPECT_EQ(info.tbButton.iBitmap, expected.image);
    EXPECT_EQ(info.tbButton.fsStyle, expected.style);
    EXPECT_EQ(info.tbButton.fsState, TBSTATE_ENABLED);
    EXPECT_STREQ(text, expected.caption);
  }
  info.iItem = 32;
  EXPECT_EQ(Notify(&info.hdr, TBN_GETBUTTONINFOA), FALSE);
  info.iItem = 9;
  info.cchText = 6;  // the caption is cut to the room given
  Notify(&info.hdr, TBN_GETBUTTONINFOA);
  EXPECT_STREQ(text, "Пред&");

  NMTOOLBARA query{};
  EXPECT_EQ(Notify(&query.hdr, TBN_QUERYINSERT), TRUE);
  EXPECT_EQ(Notify(&query.hdr, TBN_QUERYDELETE), TRUE);
}

TEST_F(Toolbar, TooltipShowsTheCaptionWithoutItsMnemonicAndHelpRunsCommand12) {
  NMTTDISPINFOA tip{};
  tip.hdr.idFrom = 8;
  Notify(&tip.hdr, TTN_NEEDTEXTA);
  EXPECT_STREQ(tip.lpszText, "Открыть...");
  tip.hdr.idFrom = 23;
  Notify(&tip.hdr, TTN_NEEDTEXTA);
  EXPECT_STREQ(tip.szText, "Номер страницы...");

  NMHDR help{};
  Notify(&help, TBN_CUSTHELP);
  MSG posted{};
  ASSERT_TRUE(PeekMessageA(&posted, mainWindow, WM_COMMAND, WM_COMMAND, PM_REMOVE));
  EXPECT_EQ(posted.wParam, 12u);
}

TEST_F(Toolbar, BigButtonsTakeTheLargePictures) {
  auto height = [] { return HIWORD(SendMessageA(toolbarWindow, TB_GETBUTTONSIZE, 0, 0)); };
  int small = height();
  bigButtons = true;
  Restart();
  EXPECT_GE(height(), small + 8);
  BITMAP strip{};
  GetObjectA(toolbarImages, sizeof strip, &strip);
  EXPECT_EQ(strip.bmWidth, 8 * 24);
  EXPECT_EQ(strip.bmHeight, 24);
}

TEST_F(Toolbar, CustomiseWithTheToolbarOffMakesOneAndOpensTheDialogWithoutSwitchingTheOptionOn) {
  DestroyToolbar();
  DialogSeen seen = RunClosingDialog([] { Command(customizeToolbarCommand); }, IDCANCEL);
  EXPECT_TRUE(seen.appeared);
  EXPECT_NE(toolbarWindow, nullptr);
  EXPECT_EQ(ReadSettingDword("TL", -1), -1);
}

}  // namespace
