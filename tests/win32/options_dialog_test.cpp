// The options dialog driven as a user would: boxes and fields set, then OK or
// Cancel; what it writes to the settings and what it does to the windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>

#include "app/globals.h"
#include "app/options_dialog.h"
#include "app/settings_store.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "conversion/undo_commands.h"
#include "editor/editor_control.h"
#include "key_presses.h"
#include "program_windows.h"

namespace {

class OptionsDialog : public ProgramWindows {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    rememberPlacement = rememberCaret = true;  // as a first start reads them
  }
  void TearDown() override {
    useEditorUndo = editorUndoSeen = bigButtons = false;
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  }

  // Puts `set` into the dialog's boxes ("1" or "0") and fields, then presses `button`.
  static void Run(const std::map<int, std::string>& set, int button = IDOK) {
    RunClosingDialog([] { Command(optionsCommand); }, button, [&](HWND dialog) {
      for (const auto& [id, value] : set) {
        if (id == 113 || id == 115 || id == 121) SetDlgItemTextA(dialog, id, value.c_str());
        else CheckDlgButton(dialog, id, value == "1" ? BST_CHECKED : BST_UNCHECKED);
      }
    });
    PumpMessages();  // the layout it posted
  }
  static RECT Place(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
};

TEST_F(OptionsDialog, CancelChangesNothing) {
  Run({{108, "0"}, {109, "0"}, {101, "1"}}, IDCANCEL);
  EXPECT_TRUE(toolbarWindow && statusWindow && !bigButtons);
  EXPECT_EQ(ReadSettingDword("ST", -1), -1);
}

TEST_F(OptionsDialog, OkWritesEveryValueClampedAndAppliesItAtOnce) {
  SetEditorText("abc");
  Select(0, 1);
  Command(6);  // Delete: a step in the undo journal
  WriteSettingDword("FI", 500);
  WriteSettingDword("RI", 5);
  // Two stored indents out of range start clamped; the left field is given no number.
  Run({{108, "0"}, {109, "0"}, {101, "1"}, {110, "0"}, {111, "0"}, {1001, "0"}, {144, "0"}, {113, "abc"}});
  for (auto [name, value] : {std::pair{"ST", 0}, {"TL", 0}, {"NO", 1}, {"AU", 0}, {"RP", 0}, {"BIG", 1}, {"IG", 0},
                             {"FI", 80}, {"LI", 0}, {"RI", 10}}) {
    EXPECT_EQ(ReadSettingDword(name, -1), value) << name;
  }
  EXPECT_TRUE(toolbarWindow == nullptr && statusWindow == nullptr && useEditorUndo && editorUndoSeen);
  EXPECT_FALSE(UndoJournalHoldsRecord());
  RECT client;
  GetClientRect(mainWindow, &client);
  EXPECT_EQ(Place(editorWindow).top, 0);
  EXPECT_EQ(Place(editorWindow).bottom, client.bottom);

  Run({{108, "1"}, {109, "1"}});  // both bars back, with big buttons, the editor between them
  ASSERT_TRUE(toolbarWindow && statusWindow);
  EXPECT_EQ(StatusPaneText(insertModePane) + StatusPaneText(caretPane), "Вставка   1:1");
  EXPECT_GE(HIWORD(SendMessageA(toolbarWindow, TB_GETBUTTONSIZE, 0, 0)), 30);
  EXPECT_EQ(Place(editorWindow).top, Place(toolbarWindow).bottom);
  EXPECT_EQ(Place(editorWindow).bottom, Place(statusWindow).top);
}

}  // namespace
