// The undo journal working on the real document control through messages:
// bytes the control holds (NUL included), and a journal that survives the
// control's re-creation.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include <string>

#include "app/globals.h"
#include "conversion/undo_commands.h"
#include "conversion/view_format.h"
#include "editor/control/document_control.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "editor/word_wrap.h"
#include "program_windows.h"

namespace {

class UndoOnControl : public ProgramWindows {
 protected:
  void SetUp() override {
    useEditorUndo = false;
    ClearUndoJournal();
    SetEditorText("");
  }
  void TearDown() override { ClearUndoJournal(); }

  static void Type(const std::string& bytes) {
    for (char c : bytes) {
      RecordUndo(UndoTyping, 1);
      ASSERT_TRUE(editor.ReplaceSelection(std::string(1, c)));
    }
  }
  static ControlEditor editor;
};

ControlEditor UndoOnControl::editor;

TEST_F(UndoOnControl, TypingRunUndoesOneByteAtATimeAndKeepsZeroBytes) {
  SetEditorText(std::string("x\0y", 3));
  editor.SetSelection({3, 3});
  Type(std::string("a\0b", 3));
  EXPECT_EQ(EditorText(), std::string("x\0ya\0b", 6));
  UndoLast();
  EXPECT_EQ(EditorText(), std::string("x\0ya\0", 5));
  UndoLast();
  UndoLast();
  EXPECT_EQ(EditorText(), std::string("x\0y", 3));
  EXPECT_FALSE(UndoJournalHoldsRecord());
}

TEST_F(UndoOnControl, JournalOutlivesTheControlsRecreationForWordWrap) {
  editor.SetSelection({0, 0});
  Type("ab");
  ToggleWordWrap();
  UndoLast();
  EXPECT_EQ(EditorText(), "a");
  ToggleWordWrap();
}

// Delete and Undo as the menu sends them to the main window.
TEST_F(UndoOnControl, DeleteAndUndoCommandsOfTheMainWindow) {
  SetEditorText("abc\r\ndef");
  editor.SetSelection({1, 6});
  SendMessageA(mainWindow, WM_COMMAND, 6, 0);
  EXPECT_EQ(EditorText(), "aef");
  SendMessageA(mainWindow, WM_COMMAND, 4, 0);
  EXPECT_EQ(EditorText(), "abc\r\ndef");
  EXPECT_FALSE(UndoJournalHoldsRecord());
}

}  // namespace
