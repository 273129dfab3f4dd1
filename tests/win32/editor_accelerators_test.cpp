// Keys that are accelerators become the main window's commands while the
// editor has the focus; other keys still reach the control.
#include <gtest/gtest.h>
#include <windows.h>
#include <richedit.h>

#include "app/globals.h"
#include "editor/control/document_control.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

class EditorAccelerators : public ProgramWindows {
 protected:
  void SetUp() override {
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    ASSERT_NE(accelerators, nullptr);
  }
  static LRESULT View() { return SendMessageA(editorWindow, EM_GETVIEWCODEPAGE, 0, 0); }
};

TEST_F(EditorAccelerators, F2ReachesTheMainWindowAsTheAnsiViewCommand) {
  SendMessageA(mainWindow, WM_COMMAND, 17, 0);  // view as DOS-866
  ASSERT_EQ(View(), 1);
  SendMessageA(editorWindow, WM_KEYDOWN, VK_F2, 0x003C0001);
  EXPECT_EQ(View(), 0);
}

TEST_F(EditorAccelerators, OtherKeysStillMoveTheCaret) {
  SetEditorText("abc");
  SendMessageA(editorWindow, EM_SETSEL, 0, 0);
  SendMessageA(editorWindow, WM_KEYDOWN, VK_RIGHT, 0x014D0001);
  CHARRANGE selection{};
  SendMessageA(editorWindow, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
  EXPECT_EQ(selection.cpMin, 1);
}

}  // namespace
