// Commands as the main window receives them from menus and accelerators, the
// menu items each opening of a menu enables or greys, and the program's boxes.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/error_box.h"
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
  char date[64] = {}, time[64] = {};  // a date, a blank and a time
  GetDateFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, date, sizeof date);
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, time, sizeof time);
  std::string text = EditorText();
  ASSERT_EQ(text.size(), 3 + strlen(date) + strlen(time));
  EXPECT_EQ(text.substr(0, 1 + strlen(date) + 1), "a" + std::string(date) + " ");
  Command(4);
  EXPECT_EQ(EditorText(), "a" + std::string(date) + " b");
  Command(4);
  EXPECT_EQ(EditorText(), "a--b");
}

// Open, Save as, Insert, About and Help; Help shows its Russian text.
TEST_F(CommandDispatch, DialogCommandsOpenTheirDialogsOwnedByTheMainWindow) {
  for (int command : {8, 26, 38, 51, 12}) {
    DialogSeen seen = RunClosingDialog([command] { Command(command); }, command == 12 ? IDOK : IDCANCEL);
    EXPECT_TRUE(seen.appeared) << "command " << command;
    EXPECT_EQ(seen.owner, mainWindow) << "command " << command;
    EXPECT_EQ(seen.texts.find("Ctrl+W, Ctrl+D") != std::string::npos, command == 12) << seen.texts;
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

std::string SystemText(DWORD code) {
  char text[1024] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text, sizeof text,
                 nullptr);
  return text;
}

// The last error's system text; error ten when there is none; an unknown code by its number.
TEST_F(CommandDispatch, ErrorBoxShowsTheLastErrorsSystemTextOrItsNumber) {
  ASSERT_FALSE(SystemText(ERROR_FILE_NOT_FOUND).empty());
  const struct { DWORD code; std::string text; } cases[] = {
      {ERROR_FILE_NOT_FOUND, SystemText(ERROR_FILE_NOT_FOUND)}, {0, SystemText(ERROR_BAD_ENVIRONMENT)},
      {0x2ABCDEF, "Ошибка " + std::to_string(0x2ABCDEF)}};
  for (const auto& c : cases) {
    DialogSeen seen = RunClosingDialog([&] {
      SetLastError(c.code);
      ShowLastError();
    });
    EXPECT_EQ(seen.title, "ZORN2") << c.code;
    EXPECT_EQ(seen.owner, mainWindow);
    EXPECT_NE(seen.texts.find(c.text), std::string::npos) << seen.texts;
  }
}

}  // namespace
