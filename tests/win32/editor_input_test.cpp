// The editor input procedure in front of the program's control: the editor's
// own undo, zero bytes and dropped files. Typing, deleting, overwrite and line
// breaks in each view are the soak's part (editor_soak_test.cpp); every
// modified key is checked against its command in editor_keys_test.cpp.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "app/globals.h"
#include "conversion/undo_commands.h"
#include "document_files.h"
#include "editor/control_editor.h"
#include "editor/editor_control.h"
#include "key_presses.h"

namespace {

class EditorInput : public DocumentFiles {
 protected:
  void SetUp() override {
    DocumentFiles::SetUp();
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    useEditorUndo = false;
    ClearUndoJournal();
  }
  void TearDown() override {
    Command(16);
    ClearUndoJournal();
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
    DocumentFiles::TearDown();
  }
  static void Undo() { Command(4); }
};

// Without the journal the control's own undo takes back the editor's own edits
// too; the journal's Ctrl+Delete and Ctrl+Backspace are in editor_keys_test.cpp.
TEST_F(EditorInput, WithTheEditorsOwnUndoWordDeletionIsTheControlsAndItsEditsUndo) {
  SetEditorText("один два три");
  useEditorUndo = true;
  Select(5, 5);
  Press(editorWindow, {VK_DELETE, Ctrl});
  Press(editorWindow, {VK_BACK, Ctrl});
  EXPECT_EQ(EditorText(), "три");
  EXPECT_FALSE(UndoJournalHoldsRecord());

  SetEditorText("one\r\ntwo");
  Select(1, 1);
  Press(editorWindow, {'Y', Ctrl});  // deletes the line
  EXPECT_EQ(EditorText(), "two");
  Undo();
  EXPECT_EQ(EditorText(), "one\r\ntwo");
  EXPECT_FALSE(UndoJournalHoldsRecord());
}

// The journal reads the control's bytes through messages: zero bytes too.
TEST_F(EditorInput, UndoOfTypingKeepsTheZeroBytesTheControlHolds) {
  SetEditorText(std::string("x\0y", 3));
  ControlEditor editor;
  editor.SetSelection({3, 3});
  for (char c : std::string("a\0b", 3)) {
    RecordUndo(UndoTyping, 1);
    ASSERT_TRUE(editor.ReplaceSelection(std::string(1, c)));
  }
  Undo();
  EXPECT_EQ(EditorText(), std::string("x\0ya\0", 5));
  Undo();
  Undo();
  EXPECT_EQ(EditorText(), std::string("x\0y", 3));
}

TEST_F(EditorInput, DroppedFileOnAModifiedDocumentAsksFirstAndCancelKeepsIt) {
  std::string path = MakeFile("dropped.txt", "dropped");
  auto drop = [&] {  // as the shell hands it over
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + path.size() + 2);
    auto* files = static_cast<DROPFILES*>(GlobalLock(block));
    files->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), path.data(), path.size());
    GlobalUnlock(block);
    SendMessageA(editorWindow, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
  };
  SetEditorText("mine");
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  EXPECT_TRUE(RunClosingDialog(drop, IDCANCEL).appeared);
  EXPECT_EQ(EditorText(), "mine");
  RunClosingDialog(drop, IDNO);
  EXPECT_EQ(EditorText(), "dropped");
}

}  // namespace
