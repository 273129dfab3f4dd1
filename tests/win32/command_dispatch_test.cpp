// Commands as the main window receives them from menus and accelerators, and
// the menu items each opening of a menu enables or greys.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>


#include "app/globals.h"
#include "app/menu_bar.h"
#include "conversion/undo_commands.h"
#include "conversion/view_commands.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

// The menu's command numbers.
enum : int { cutCommand = 1, copyCommand, pasteCommand, undoCommand, deleteCommand = 6, saveCommand = 9, selectAllCommand = 48 };

class CommandDispatch : public ProgramWindows {
 protected:
  void SetUp() override {
    useEditorUndo = false;
    Command(viewAnsiCommand);
    SetEditorText("");
    ClearUndoJournal();
  }
  void TearDown() override {
    Command(viewAnsiCommand);
    ClearUndoJournal();
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  }
  static bool Enabled(UINT command) {
    SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popupMenus[editMenuIndex]), 1);
    return (GetMenuState(mainMenu, command, MF_BYCOMMAND) & MF_GRAYED) == 0;
  }
};

TEST_F(CommandDispatch, SaveUndoPasteAndTheSelectionItemsAreGreyUntilTheyCanAct) {
  const UINT items[] = {saveCommand, undoCommand, pasteCommand, copyCommand, cutCommand, deleteCommand};
  PutOnClipboard(CF_TEXT, "");
  SetEditorText("abc");
  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  Select(1, 1);
  for (UINT command : items) EXPECT_FALSE(Enabled(command)) << command;
  PutOnClipboard(CF_TEXT, "x");
  Select(0, 1);
  Command(deleteCommand);  // modifies, and the journal holds its step
  Select(0, 1);
  for (UINT command : items) EXPECT_TRUE(Enabled(command)) << command;
  Command(undoCommand);
  EXPECT_EQ(EditorText(), "abc");
}

TEST_F(CommandDispatch, ClipboardTravelsInTheFormatOfTheViewCodePage) {
  Command(viewAnsiCommand + 2);
  SetEditorText("\xF0\xD2\xC9\xD7\xC5\xD4 1");  // "Привет 1" in KOI8-R
  Command(selectAllCommand);
  Command(copyCommand);
  EXPECT_EQ(FromClipboard(CF_OEMTEXT), "\x8F\xE0\xA8\xA2\xA5\xE2 1");
  EXPECT_EQ(FromClipboard(CF_TEXT), "Привет 1");

  Command(viewAnsiCommand + 1);
  PutOnClipboard(CF_TEXT, "мир");
  Select(0, 6);
  Command(pasteCommand);
  EXPECT_EQ(EditorText(), "\xAC\xA8\xE0 1");  // DOS-866
  Command(undoCommand);
  EXPECT_EQ(EditorText(), "\xF0\xD2\xC9\xD7\xC5\xD4 1");  // the view switch kept the bytes

  SetEditorText("\x8F\xE0\xA8\xA2\xA5\xE2 1");
  Select(0, 2);
  Command(cutCommand);
  EXPECT_EQ(EditorText(), "\xA8\xA2\xA5\xE2 1");
  EXPECT_EQ(FromClipboard(CF_TEXT), "Пр");
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

}  // namespace
