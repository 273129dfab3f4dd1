// Find, Replace and Find next on the real windows: the word at the caret, the
// remembered searches, the confirmation's four answers and hex patterns.
// Another thread plays the user in each dialog. Replace all and its one undo
// step are driven through the keyboard by the end-to-end tests.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "base/globals.h"
#include "base/settings_store.h"
#include "editor/undo_commands.h"
#include "editor/view_commands.h"
#include "program_windows.h"
#include "search/find_replace_dialog.h"
#include "search/search_commands.h"

namespace {

// Types into the field as a user can: only when it is enabled.
void SetField(HWND dialog, int control, const char* text) {
  if (IsWindowEnabled(GetDlgItem(dialog, control))) SetDlgItemTextA(dialog, control, text);
}

// Fills the replace dialog, "&Запрос" checked, and presses "Все".
DialogStep Fill(const char* search, const char* replacement, bool hex) {
  return [=](HWND dialog) {
    if (hex) SendMessageA(GetDlgItem(dialog, hexSwitch), BM_CLICK, 0, 0);
    SetField(dialog, hex ? searchHexField : searchTextBox, search);
    SetField(dialog, hex ? replaceHexField : replaceTextField, replacement);
    CheckDlgButton(dialog, confirmBox, BST_CHECKED);
    PostMessageA(dialog, WM_COMMAND, replaceAllButton, 0);
  };
}

DialogStep Answer(int button) { return [=](HWND dialog) { PostMessageA(dialog, WM_COMMAND, button, 0); }; }

class FindReplace : public FreshDocument {
 protected:
  void SetUp() override {
    FreshDocument::SetUp();
    searchState = SearchState{};
  }
  static std::string Newest() {  // the newest remembered search
    char newest[33] = {};
    ReadSettingString("0", newest, sizeof newest);
    return newest;
  }
  static void Start(const std::string& text, LONG caret) {
    SetEditorText(text);
    ClearUndoJournal();
    Select(caret, caret);
  }
  static void ExpectSelection(LONG start, LONG end) {
    EXPECT_EQ(std::pair(Selection().cpMin, Selection().cpMax), std::pair(start, end));
  }
};

// In the DOS-866 view the word at the caret shows in Windows-1251 and the typed
// word finds the DOS-866 bytes; the text is remembered as typed.
TEST_F(FindReplace, WordAtTheCaretCrossesTheViewCodePage) {
  SetViewCodePage(Oem);
  Start("\xAC\xA8\xE0 \x8F\xE0\xA8\xA2\xA5\xE2 \x8F\xE0\xA8\xA2\xA5\xE2", 4);  // "мир Привет Привет"
  std::string shown;
  auto look = [&](HWND dialog) {
    shown = WindowText(GetDlgItem(dialog, searchTextBox));
    Answer(IDOK)(dialog);
  };
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Find); }, {look}), 1);
  EXPECT_EQ(shown, "Привет");
  ExpectSelection(4, 10);
  SendCommand(Command::FindNext);
  ExpectSelection(11, 17);
  EXPECT_EQ(Newest(), "Привет");

  // Nothing left: Find next opens the dialog again.
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::FindNext); }, {Answer(IDCANCEL)}), 1);
  ExpectSelection(11, 17);

  // In the UTF-8 view the typed word finds its UTF-8 bytes in any case, and the word at
  // the caret shows whole.
  SetViewCodePage(Utf8);
  const std::u8string utf8 = u8"мир Привет Привет";
  Start(std::string(utf8.begin(), utf8.end()), 0);
  auto type = [](HWND dialog) {
    SetField(dialog, searchTextBox, "пРИВЕТ");
    Answer(IDOK)(dialog);
  };
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Find); }, {type}), 1);
  ExpectSelection(7, 19);
  SendCommand(Command::FindNext);
  ExpectSelection(20, 32);
  auto peek = [&](HWND dialog) {
    shown = WindowText(GetDlgItem(dialog, searchTextBox));
    Answer(IDCANCEL)(dialog);
  };
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Find); }, {peek}), 1);
  EXPECT_EQ(shown, "Привет");
}

// "Да", "Нет", "Все", and in a second run "Отмена"; hex bytes are searched as they stand.
TEST_F(FindReplace, ConfirmationAnswersAndHexPatterns) {
  Start("a a a a a", 0);
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Replace); }, {Fill("a", "b", false), Answer(1), Answer(2), Answer(6)}), 4);
  EXPECT_EQ(EditorText(), "b a b b b");
  EXPECT_FALSE(searchState.confirmReplace) << "\"Все\" turns confirmation off";

  Start("xx xx", 0);
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Replace); }, {Fill("7878", "7979", true), Answer(7)}), 2);
  EXPECT_EQ(EditorText(), "xx xx") << "\"Отмена\" ends the run";
  ExpectSelection(0, 2);
  EXPECT_EQ(Newest(), "a") << "hex searches are not remembered";
}

// In the UTF-8 view hex bytes are found, selected and replaced inside characters byte for byte:
// 90 -> B0 makes А (D0 90) а (D0 B0).
TEST_F(FindReplace, HexPatternsInTheUtf8ViewWorkInsideCharacters) {
  SetViewCodePage(Utf8);
  Start("\xD0\xB0\xD0\x90", 0);  // аА
  auto findLead = [](HWND dialog) {
    SendMessageA(GetDlgItem(dialog, hexSwitch), BM_CLICK, 0, 0);
    SetField(dialog, searchHexField, "D0");
    Answer(IDOK)(dialog);
  };
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Find); }, {findLead}), 1);
  ExpectSelection(0, 1);
  SendCommand(Command::FindNext);
  ExpectSelection(2, 3);

  Start("\xD0\x90\xD0\x90", 0);  // АА
  EXPECT_EQ(RunWithDialogs([] { SendCommand(Command::Replace); }, {Fill("90", "B0", true), Answer(1), Answer(7)}), 3);
  EXPECT_EQ(EditorText(), "\xD0\xB0\xD0\x90");
  ExpectSelection(3, 4);
}

}  // namespace
