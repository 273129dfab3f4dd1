// Find, Replace and Find next on the real windows: the dialog's modes and
// fields, the word at the caret, the confirmation's four answers and replace
// all as one undo step. Another thread plays the user in each dialog.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>
#include <vector>

#include "app/globals.h"
#include "app/settings_store.h"
#include "conversion/undo_commands.h"
#include "conversion/view_commands.h"
#include "editor/editor_control.h"
#include "program_windows.h"
#include "search/find_replace_dialog.h"
#include "search/search_commands.h"

namespace {

// Runs `command` with the steps played in the dialogs it opens; the number played.
int RunWithDialogs(int command, const std::vector<DialogStep>& steps) {
  return ::RunWithDialogs([command] { SendMessageA(mainWindow, WM_COMMAND, command, 0); }, steps);
}

bool Shown(HWND dialog, int control) { return IsWindowVisible(GetDlgItem(dialog, control)) != FALSE; }
bool Enabled(HWND dialog, int control) { return IsWindowEnabled(GetDlgItem(dialog, control)) != FALSE; }
void Click(HWND dialog, int control) { SendMessageA(GetDlgItem(dialog, control), BM_CLICK, 0, 0); }
void SetField(HWND dialog, int control, const char* text) { SetDlgItemTextA(dialog, control, text); }
void Press(HWND dialog, int button) { PostMessageA(dialog, WM_COMMAND, button, 0); }

// Fills the dialog and presses `button`; `confirm` sets "&Запрос" in replace mode.
DialogStep Fill(const char* search, const char* replacement, int button, bool confirm = false, bool hex = false) {
  return [=](HWND dialog) {
    if (hex) Click(dialog, hexSwitch);
    SetField(dialog, hex ? searchHexField : searchTextBox, search);
    if (replacement) {
      SetField(dialog, hex ? replaceHexField : replaceTextField, replacement);
      CheckDlgButton(dialog, confirmBox, confirm ? BST_CHECKED : BST_UNCHECKED);
    }
    Press(dialog, button);
  };
}

DialogStep Answer(int button) { return [=](HWND dialog) { Press(dialog, button); }; }

class FindReplace : public FreshDocument {
 protected:
  void SetUp() override {
    FreshDocument::SetUp();
    searchState = SearchState{};
  }
  static void Start(const std::string& text, LONG caret) {
    SetEditorText(text);
    ClearUndoJournal();
    Select(caret, caret);
  }
  static void ExpectSelection(LONG start, LONG end) {
    EXPECT_EQ(Selection().cpMin, start);
    EXPECT_EQ(Selection().cpMax, end);
  }
};

TEST_F(FindReplace, FindModeHidesTheReplaceControlsAndHexSwitchesTheFields) {
  const int replaceOnly[] = {confirmBox, replaceHexField, replaceTextField, replaceAllButton};
  for (int command : {findCommand, replaceCommand}) {
    bool replace = command == replaceCommand;
    std::string caption;
    bool hiddenRight = true, switchedRight = true;
    auto look = [&](HWND dialog) {
      caption = WindowText(dialog);
      for (int control : replaceOnly) hiddenRight &= Shown(dialog, control) == replace;
      switchedRight &= Enabled(dialog, searchTextBox) && !Enabled(dialog, searchHexField);
      Click(dialog, hexSwitch);
      switchedRight &= !Enabled(dialog, searchTextBox) && Enabled(dialog, searchHexField) &&
                       Enabled(dialog, replaceHexField) == replace && !Enabled(dialog, replaceTextField) == replace;
      Press(dialog, IDOK);  // an empty hex field: the dialog stays open
      Press(dialog, IDCANCEL);
    };
    Start("abc", 0);
    EXPECT_EQ(RunWithDialogs(command, {look}), 1);
    EXPECT_EQ(caption, replace ? "Заменить..." : "Найти...");
    EXPECT_TRUE(hiddenRight) << command;
    EXPECT_TRUE(switchedRight) << command;
    EXPECT_EQ(searchState.replaceMode, replace);
    EXPECT_EQ(searchState.searchPattern[0], '\0') << "cancelled: nothing is taken";
  }
}

// In the DOS-866 view the word at the caret shows in Windows-1251 and the typed
// word finds the DOS-866 bytes; the text is remembered as typed.
TEST_F(FindReplace, WordAtTheCaretCrossesTheViewCodePage) {
  SetViewCodePage(Oem);
  Start("\xAC\xA8\xE0 \x8F\xE0\xA8\xA2\xA5\xE2 \x8F\xE0\xA8\xA2\xA5\xE2", 4);  // "мир Привет Привет"
  std::string shown;
  auto look = [&](HWND dialog) {
    shown = WindowText(GetDlgItem(dialog, searchTextBox));
    Press(dialog, IDOK);
  };
  EXPECT_EQ(RunWithDialogs(findCommand, {look}), 1);
  EXPECT_EQ(shown, "Привет");
  ExpectSelection(4, 10);
  Command(findNextCommand);
  ExpectSelection(11, 17);
  char newest[33] = {};
  ReadSettingString("0", newest, sizeof newest);
  EXPECT_STREQ(newest, "Привет");

  // Nothing left: Find next opens the dialog again.
  EXPECT_EQ(RunWithDialogs(findNextCommand, {Answer(IDCANCEL)}), 1);
  ExpectSelection(11, 17);
}

// "Да", "Нет", "Все", and in a second run "Отмена"; hex bytes are searched as they stand.
TEST_F(FindReplace, ConfirmationAnswersAndHexPatterns) {
  Start("a a a a a", 0);
  std::string caption;
  auto yes = [&](HWND dialog) {
    caption = WindowText(dialog);
    Press(dialog, 1);
  };
  EXPECT_EQ(RunWithDialogs(replaceCommand, {Fill("a", "b", replaceAllButton, true), yes, Answer(2), Answer(6)}), 4);
  EXPECT_EQ(caption, "Заменить?");
  EXPECT_EQ(EditorText(), "b a b b b");
  EXPECT_FALSE(searchState.confirmReplace) << "\"Все\" turns confirmation off";

  Start("xx xx", 0);
  EXPECT_EQ(RunWithDialogs(replaceCommand, {Fill("7878", "7979", replaceAllButton, true, true), Answer(7)}), 2);
  EXPECT_EQ(EditorText(), "xx xx") << "\"Отмена\" ends the run";
  ExpectSelection(0, 2);
  char newest[33] = {};
  ReadSettingString("0", newest, sizeof newest);
  EXPECT_STREQ(newest, "a") << "hex searches are not remembered";
}

// Replace all in the KOI8-R view: typed text is stored in KOI8-R, and one undo takes back the run.
TEST_F(FindReplace, ReplaceAllIsOneUndoStep) {
  SetViewCodePage(Koi8);
  const std::string before = "\xCD\xC9\xD2 \xED\xC9\xD2 \xCD\xC9\xD2";  // "мир Мир мир"
  Start(before, 0);
  EXPECT_EQ(RunWithDialogs(replaceCommand, {Fill("мир", "Все", replaceAllButton)}), 1);
  EXPECT_EQ(EditorText(), "\xF7\xD3\xC5 \xF7\xD3\xC5 \xF7\xD3\xC5");
  Command(4);
  EXPECT_EQ(EditorText(), before);
  EXPECT_FALSE(UndoJournalHoldsRecord());
}

}  // namespace
