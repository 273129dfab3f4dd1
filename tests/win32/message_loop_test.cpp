// The message loop's exit code and its idle step on a real toolbar.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include "app/globals.h"
#include "app/message_loop.h"
#include "chrome/toolbar.h"
#include "editor/editor_control.h"
#include "program_windows.h"

namespace {

constexpr int idleCommands[] = {3, 6, 1, 2, 9, 4, wordWrapCommand};
constexpr LRESULT grey = TBSTATE_INDETERMINATE;
constexpr LRESULT enabled = TBSTATE_ENABLED;

class IdleStep : public ProgramWindows {
 protected:
  void SetUp() override {
    DestroyToolbar();  // the program's own, made at start: this one holds all seven buttons
    toolbarWindow = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, mainWindow,
                                    nullptr, appInstance, nullptr);
    ASSERT_NE(toolbarWindow, nullptr);
    SendMessageA(toolbarWindow, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (int command : idleCommands) {
      TBBUTTON button{};
      button.idCommand = command;
      button.fsState = TBSTATE_HIDDEN;
      button.fsStyle = command == wordWrapCommand ? BTNS_CHECK : BTNS_BUTTON;
      SendMessageA(toolbarWindow, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
  }
  void TearDown() override {
    DestroyWindow(toolbarWindow);
    toolbarWindow = nullptr;
    useEditorUndo = editorUndoSeen = false;
  }
  static LRESULT State(int command) { return SendMessageA(toolbarWindow, TB_GETSTATE, command, 0); }
};

WNDPROC toolbarProc;

// The idle step's last request ends the loop, so the test waits on no clock.
LRESULT CALLBACK QuitAfterIdleStep(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TB_SETSTATE && wParam == wordWrapCommand) PostQuitMessage(7);
  return CallWindowProcA(toolbarProc, window, message, wParam, lParam);
}

// Should the idle step never come, the loop still ends.
void CALLBACK QuitOnTimeout(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

TEST_F(IdleStep, LoopRunsTheIdleStepWhenTheQueueEmptiesAndEndsWithTheQuitCode) {
  toolbarProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(toolbarWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(QuitAfterIdleStep)));
  PostMessageA(mainWindow, WM_NULL, 0, 0);
  UINT_PTR safety = SetTimer(nullptr, 0, 10000, QuitOnTimeout);
  EXPECT_EQ(RunMessageLoop(), 7);
  KillTimer(nullptr, safety);
  for (int command : idleCommands) EXPECT_EQ(State(command) & TBSTATE_HIDDEN, 0) << "button " << command;
}

TEST_F(IdleStep, ButtonsFollowClipboardSelectionModifiedFlagUndoAndWrap) {
  SetEditorText("some text");
  Select(2, 5);
  SendMessageA(editorWindow, EM_SETMODIFY, TRUE, 0);
  PutOnClipboard(CF_TEXT, "abc");
  wrapStyle = 0;
  IdleUpdate();
  EXPECT_EQ(State(3), enabled);
  for (int command : {6, 1, 2}) EXPECT_EQ(State(command), enabled) << "button " << command;
  EXPECT_EQ(State(9), grey);  // modified, but nothing in the undo journal
  EXPECT_EQ(State(4), grey);
  EXPECT_EQ(State(wordWrapCommand), enabled | TBSTATE_CHECKED);

  editorUndoSeen = true;
  Select(4, 4);
  PutOnClipboard(CF_TEXT, "");
  wrapStyle = wordWrapOffStyle;
  IdleUpdate();
  EXPECT_EQ(State(3), grey);
  for (int command : {6, 1, 2}) EXPECT_EQ(State(command), grey) << "button " << command;
  EXPECT_EQ(State(9), enabled);
  EXPECT_EQ(State(wordWrapCommand), enabled);

  SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
  IdleUpdate();
  EXPECT_EQ(State(9), grey);
}

}  // namespace
