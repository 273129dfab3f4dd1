// Commands as the main window receives them from menus and accelerators, and
// the menu items each opening of a menu enables or greys.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "app/menu_bar.h"
#include "conversion/undo_commands.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class CommandDispatch : public ProgramWindows {
 protected:
  void SetUp() override {
    useEditorUndo = false;
    Command(16);
    SetEditorText("");
    ClearUndoJournal();
  }
  void TearDown() override {
    Command(16);
    ClearUndoJournal();
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  }

  static bool Enabled(UINT command) {
    SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popupMenus[editMenuIndex]), 1);
    return (GetMenuState(mainMenu, command, MF_BYCOMMAND) & MF_GRAYED) == 0;
  }
};

TEST_F(CommandDispatch, SaveUndoPasteAndTheSelectionItemsAreGreyUntilTheyCanAct) {
  PutOnClipboard(CF_TEXT, "");
  SetEditorText("abc");
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  Select(1, 1);
  for (UINT command : {9u, 4u, 3u, 2u, 1u, 6u}) EXPECT_FALSE(Enabled(command)) << command;

  PutOnClipboard(CF_TEXT, "x");
  Select(0, 1);
  Command(6);  // Delete: modifies, and the journal holds its step
  EXPECT_EQ(EditorText(), "bc");
  Select(0, 1);
  for (UINT command : {9u, 4u, 3u, 2u, 1u, 6u}) EXPECT_TRUE(Enabled(command)) << command;
  Command(4);
  EXPECT_EQ(EditorText(), "abc");
}

TEST_F(CommandDispatch, ClipboardTravelsInTheFormatOfTheViewCodePage) {
  Command(18);
  SetEditorText("\xF0\xD2\xC9\xD7\xC5\xD4 1");  // "Привет 1" in KOI8-R
  Command(48);                                   // select all
  Command(2);
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), "\x8F\xE0\xA8\xA2\xA5\xE2 1");
  EXPECT_EQ(FromClipboard(CF_TEXT), "Привет 1");

  Command(17);
  PutOnClipboard(CF_TEXT, "мир");
  Select(0, 6);
  Command(3);
  EXPECT_EQ(EditorText(), "\xAC\xA8\xE0 1");  // DOS-866
  Command(4);
  EXPECT_EQ(EditorText(), "\xF0\xD2\xC9\xD7\xC5\xD4 1");  // the view switch kept the bytes

  SetEditorText("\x8F\xE0\xA8\xA2\xA5\xE2 1");
  Select(0, 2);
  Command(1);  // Cut
  EXPECT_EQ(EditorText(), "\xA8\xA2\xA5\xE2 1");
  EXPECT_EQ(FromClipboard(CF_TEXT), "Пр");
}

TEST_F(CommandDispatch, DateAndTimeReplaceTheSelectionAndUndoInTwoSteps) {
  SetEditorText("a--b");
  Select(1, 3);
  Command(39);
  char date[64] = {}, time[64] = {};
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
  std::string text = EditorText();
  ASSERT_EQ(text.size(), 3 + strlen(date) + strlen(time));  // a date, a blank and a time
  EXPECT_EQ(text.substr(0, 1 + strlen(date) + 1), "a" + std::string(date) + " ");
  Command(4);
  EXPECT_EQ(EditorText(), "a" + std::string(date) + " b");
  Command(4);
  EXPECT_EQ(EditorText(), "a--b");
}

TEST_F(CommandDispatch, OpenSaveAsInsertAndAboutOpenTheirDialogs) {
  for (int command : {8, 26, 38, 51}) {
    EXPECT_TRUE(RunClosingDialog([command] { Command(command); }, IDCANCEL).appeared) << "command " << command;
  }
}

TEST_F(CommandDispatch, EndingTheSessionAsksAboutAModifiedDocument) {
  SetEditorText("changed");
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  LRESULT answer = 1;
  EXPECT_TRUE(RunClosingDialog([&] { answer = SendMessageA(mainWindow, WM_QUERYENDSESSION, 0, 0); }, IDCANCEL)
                  .appeared);
  EXPECT_EQ(answer, 0);
  EXPECT_EQ(EditorText(), "changed");
}

TEST_F(CommandDispatch, F4MaximisesAndRestores) {
  ASSERT_FALSE(IsZoomed(mainWindow));
  Command(300);
  EXPECT_TRUE(IsZoomed(mainWindow));
  Command(300);
  EXPECT_FALSE(IsZoomed(mainWindow));
}

TEST_F(CommandDispatch, HelpShowsTheRussianHelpText) {
  DialogSeen help = RunClosingDialog([] { Command(12); });
  EXPECT_TRUE(help.appeared);
  EXPECT_EQ(help.owner, mainWindow);
  EXPECT_NE(help.texts.find("Ctrl+W, Ctrl+D"), std::string::npos) << help.texts;
}

}  // namespace
