// The options dialog driven as a user would: boxes and fields set, then OK or
// Cancel; what it writes to the settings and what it does to the windows.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <iterator>
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

using Controls = std::map<int, std::string>;  // check box: "1" or "0"; edit: its text

const int boxes[] = {101, 108, 109, 110, 111, 144, 1001};
const int fields[] = {113, 115, 121};

// Every box and field as the dialog opened, then `set` put into them.
Controls Drive(HWND dialog, const Controls& set) {
  Controls seen;
  for (int box : boxes) seen[box] = IsDlgButtonChecked(dialog, box) ? "1" : "0";
  for (int field : fields) {
    char text[32] = {};
    GetDlgItemTextA(dialog, field, text, sizeof text);
    seen[field] = text;
  }
  for (const auto& [id, value] : set) {
    if (std::find(std::begin(fields), std::end(fields), id) == std::end(fields)) {
      CheckDlgButton(dialog, id, value == "1" ? BST_CHECKED : BST_UNCHECKED);
    } else {
      SetDlgItemTextA(dialog, id, value.c_str());
    }
  }
  return seen;
}

class OptionsDialog : public ProgramWindows {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    rememberPlacement = rememberCaret = true;  // as a first start reads them
  }
  void TearDown() override {
    useEditorUndo = editorUndoSeen = bigButtons = false;
    if (!statusWindow) CreateStatusBar();
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  }

  static Controls Run(const Controls& set, int button = IDOK) {
    Controls seen;
    DialogSeen dialog = RunClosingDialog([] { Command(optionsCommand); }, button,
                                         [&](HWND options) { seen = Drive(options, set); });
    PumpMessages();  // the layout it posted
    EXPECT_EQ(dialog.title, "Параметры");
    return seen;
  }

  static RECT EditorPlace() {
    RECT rect;
    GetWindowRect(editorWindow, &rect);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
  static int Height(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect.bottom - rect.top;
  }
};

TEST_F(OptionsDialog, FirstRunShowsTheDefaultsAndCancelChangesNothing) {
  HWND toolbar = toolbarWindow, status = statusWindow;
  Controls seen = Run({{108, "0"}, {109, "0"}, {115, "50"}}, IDCANCEL);
  const Controls firstRun = {{101, "0"}, {108, "1"}, {109, "1"}, {110, "1"}, {111, "1"},
                             {144, "1"}, {1001, "1"}, {113, "0"}, {115, "80"}, {121, "0"}};
  EXPECT_EQ(seen, firstRun);
  EXPECT_EQ(toolbarWindow, toolbar);
  EXPECT_EQ(statusWindow, status);
  DWORD type, size;
  for (const char* name : {"ST", "TL", "IG", "RI"}) EXPECT_FALSE(DescribeSetting(name, &type, &size)) << name;
}

TEST_F(OptionsDialog, OkWritesEveryValueAndAppliesItAtOnce) {
  SetEditorText("abc");
  Select(0, 1);
  Command(6);  // Delete: a step in the undo journal
  ASSERT_TRUE(UndoJournalHoldsRecord());
  Run({{108, "0"}, {109, "0"}, {101, "1"}, {110, "0"}, {111, "0"}, {1001, "0"}, {144, "0"},
       {121, "12"}, {113, "abc"}, {115, "200"}});
  const std::map<std::string, int> written = {{"ST", 0}, {"TL", 0}, {"NO", 1}, {"AU", 0}, {"RP", 0}, {"BIG", 1},
                                              {"IG", 0}, {"FI", 12}, {"LI", 0}, {"RI", 80}};
  for (const auto& [name, value] : written) EXPECT_EQ(ReadSettingDword(name.c_str(), -1), value) << name;
  EXPECT_EQ(toolbarWindow, nullptr);
  EXPECT_EQ(statusWindow, nullptr);
  EXPECT_TRUE(useEditorUndo);
  EXPECT_TRUE(editorUndoSeen);
  EXPECT_FALSE(UndoJournalHoldsRecord());
  EXPECT_FALSE(rememberPlacement || rememberCaret);
  RECT client;
  GetClientRect(mainWindow, &client);
  RECT editor = EditorPlace();
  EXPECT_EQ(editor.top, 0);
  EXPECT_EQ(editor.bottom, client.bottom);

  // Both bars back, the buttons big, the editor between them.
  Run({{108, "1"}, {109, "1"}});
  ASSERT_NE(toolbarWindow, nullptr);
  ASSERT_NE(statusWindow, nullptr);
  EXPECT_EQ(ReadSettingDword("TL", -1), 1);
  EXPECT_EQ(ReadSettingDword("ST", -1), 1);
  EXPECT_EQ(StatusPaneText(insertModePane), "Вставка");
  EXPECT_EQ(StatusPaneText(caretPane), "   1:1");
  EXPECT_GE(HIWORD(SendMessageA(toolbarWindow, TB_GETBUTTONSIZE, 0, 0)), 30);
  editor = EditorPlace();
  EXPECT_EQ(editor.top, Height(toolbarWindow));
  EXPECT_EQ(editor.bottom, client.bottom - Height(statusWindow));
}

TEST_F(OptionsDialog, StoredValuesOutOfRangeAreShownAndWrittenClamped) {
  WriteSettingDword("FI", 500);
  WriteSettingDword("LI", -3);
  WriteSettingDword("RI", 5);
  Controls seen = Run({});
  EXPECT_EQ(seen[121], "80");
  EXPECT_EQ(seen[113], "0");
  EXPECT_EQ(seen[115], "10");
  EXPECT_EQ(ReadSettingDword("FI", -1), 80);
  EXPECT_EQ(ReadSettingDword("LI", -1), 0);
  EXPECT_EQ(ReadSettingDword("RI", -1), 10);
}

}  // namespace
