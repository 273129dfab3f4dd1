// The toolbar and the status bar on the program's own main window: the
// arrangement kept in "TBS", the idle step that greys the buttons (run by the
// message loop), and the options dialog that switches the bars, driven as a
// user would: boxes and fields set, then OK or Cancel. The panes' texts are
// read on the screen by the end-to-end tests.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/globals.h"
#include "app/message_loop.h"
#include "app/options_dialog.h"
#include "app/settings_store.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "conversion/undo_commands.h"
#include "editor/editor_control.h"
#include "key_presses.h"
#include "program_windows.h"

namespace {

// Each button's command and picture; -1 for a separator.
const std::vector<int> firstRun = {7, 6, 8, 7, 9, 8, -1, 1, 0, 2, 1, 3, 2, -1, 4, 3};

class Chrome : public ProgramWindows {
 protected:
  void SetUp() override {
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
    rememberPlacement = rememberCaret = true;  // as a first start reads them
  }
  void TearDown() override {
    useEditorUndo = editorUndoSeen = bigButtons = false;
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  }
  static std::vector<int> ButtonsAfterRestart() {
    DestroyToolbar();
    CreateToolbar();
    std::vector<int> shown;
    for (int i = 0; i < SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0); ++i) {
      TBBUTTON button{};
      SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      if (button.fsStyle & TBSTYLE_SEP) shown.push_back(-1);
      else shown.insert(shown.end(), {button.idCommand, button.iBitmap});
    }
    return shown;
  }
  static RECT Place(HWND window) {  // in the main window's client area
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
};

// A changed arrangement is stored and survives a restart; a stored value of
// another type or a damaged one gives the first-run buttons.
TEST_F(Chrome, ArrangementSurvivesARestartUnlessTheStoredOneIsDamaged) {
  ButtonsAfterRestart();
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  NMHDR change{toolbarWindow, 0, TBN_TOOLBARCHANGE};  // what the customisation dialog sends after a change
  SendMessageA(mainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
  EXPECT_EQ(ButtonsAfterRestart(), std::vector<int>(firstRun.begin() + 2, firstRun.end()));
  const DWORD commands[] = {7, 0x12345, 8};
  const struct { DWORD type; const void* data; DWORD size; } stored[] = {
      {REG_SZ, "7 8", 4}, {REG_DWORD, commands, 4}, {REG_BINARY, commands, 12}, {REG_BINARY, commands, 3}};
  for (const auto& value : stored) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "TBS", 0, value.type, static_cast<const BYTE*>(value.data), value.size);
    RegCloseKey(key);
    EXPECT_EQ(ButtonsAfterRestart(), firstRun) << "type " << value.type << ", " << value.size << " bytes";
  }
}

// Each row sets the dialog's boxes ("1" or "0") and fields, presses OK or
// Cancel, and gives the settings stored then (-1: none), the bars shown and
// whether the undo journal kept its step; the editor always fills the space
// between the bars. Two stored indents out of range start clamped; a field
// with no number gives its default.
TEST_F(Chrome, OptionsDialogStoresEveryValueClampedAndAppliesItAtOnce) {
  enum { bigBox = 101, toolbarBox = 108, statusBox = 109, journalBox = 110, placementBox = 111, leftField = 113,
         ignoreBreaksBox = 144, caretBox = 1001 };
  WriteSettingDword("FI", 500);
  WriteSettingDword("RI", 5);
  const struct { std::map<int, std::string> set; int button; std::vector<std::pair<const char*, int>> stored; bool toolbar, status, journal; } rows[] = {
      {{{toolbarBox, "0"}, {statusBox, "0"}, {bigBox, "1"}}, IDCANCEL, {{"ST", -1}, {"BIG", -1}}, true, true, true},
      {{{toolbarBox, "0"}, {statusBox, "0"}, {bigBox, "1"}, {journalBox, "0"}, {placementBox, "0"}, {caretBox, "1"},
        {ignoreBreaksBox, "0"}, {leftField, "abc"}},
       IDOK,
       {{"ST", 0}, {"TL", 0}, {"NO", 1}, {"AU", 0}, {"RP", 1}, {"BIG", 1}, {"IG", 0}, {"FI", 80}, {"LI", 0}, {"RI", 10}},
       false, false, false},
      {{{toolbarBox, "1"}, {statusBox, "1"}, {caretBox, "0"}}, IDOK, {{"ST", 1}, {"TL", 1}, {"NO", 1}, {"RP", 0}, {"BIG", 1}}, true, true, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(&r - rows);
    SetEditorText("abc");
    Select(0, 1);
    Command(6);  // Delete: a step in the undo journal unless the control's own undo is chosen
    RunClosingDialog([] { Command(optionsCommand); }, r.button, [&](HWND dialog) {
      for (const auto& [id, value] : r.set) {
        if (id == leftField) SetDlgItemTextA(dialog, id, value.c_str());
        else CheckDlgButton(dialog, id, value == "1" ? BST_CHECKED : BST_UNCHECKED);
      }
    });
    PumpMessages();  // the layout it posted
    for (auto [name, value] : r.stored) EXPECT_EQ(ReadSettingDword(name, -1), value) << name;
    EXPECT_EQ(toolbarWindow != nullptr, r.toolbar);
    EXPECT_EQ(statusWindow != nullptr, r.status);
    EXPECT_EQ(UndoJournalHoldsRecord(), r.journal);
    RECT client;
    GetClientRect(mainWindow, &client);
    EXPECT_EQ(Place(editorWindow).top, r.toolbar ? Place(toolbarWindow).bottom : 0);
    EXPECT_EQ(Place(editorWindow).bottom, r.status ? Place(statusWindow).top : client.bottom);
  }
  // The bars made anew: big buttons, and the panes filled at once.
  EXPECT_GE(HIWORD(SendMessageA(toolbarWindow, TB_GETBUTTONSIZE, 0, 0)), 30);
  EXPECT_EQ(StatusPaneText(insertModePane) + StatusPaneText(caretPane), "Вставка   1:1");
}

constexpr int idleCommands[] = {3, 6, 1, 2, 9, 4, wordWrapCommand};
constexpr LRESULT grey = TBSTATE_INDETERMINATE, enabled = TBSTATE_ENABLED;

WNDPROC toolbarProc;

// The idle step's last request ends the loop, so the test waits on no clock.
LRESULT CALLBACK QuitAfterIdleStep(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == TB_SETSTATE && wParam == wordWrapCommand) PostQuitMessage(7);
  return CallWindowProcA(toolbarProc, window, message, wParam, lParam);
}

// Should the idle step never come, the loop still ends.
void CALLBACK QuitOnTimeout(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); }

class IdleStep : public ProgramWindows {
 protected:
  void SetUp() override {
    DestroyToolbar();  // the program's own, made at start: this one holds all seven buttons, hidden
    toolbarWindow = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, mainWindow,
                                    nullptr, appInstance, nullptr);
    SendMessageA(toolbarWindow, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    for (int command : idleCommands) {
      TBBUTTON button{0, command, TBSTATE_HIDDEN, static_cast<BYTE>(command == wordWrapCommand ? BTNS_CHECK : BTNS_BUTTON), {}, 0, 0};
      SendMessageA(toolbarWindow, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
    toolbarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(toolbarWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(QuitAfterIdleStep)));
  }
  void TearDown() override {
    DestroyWindow(toolbarWindow);
    toolbarWindow = nullptr;
    useEditorUndo = editorUndoSeen = false;
  }
  static LRESULT State(int command) { return SendMessageA(toolbarWindow, TB_GETSTATE, command, 0); }
  // The message loop, until the idle step it runs when the queue empties has ended it; its exit code.
  static int RunLoopToTheIdleStep() {
    PostMessageA(mainWindow, WM_NULL, 0, 0);
    UINT_PTR safety = SetTimer(nullptr, 0, 10000, QuitOnTimeout);
    int code = RunMessageLoop();
    KillTimer(nullptr, safety);
    return code;
  }
};

// Paste, the selection's buttons, Save (only with something to undo), Undo and
// wrap, state after state; each button shown and exactly in its state.
TEST_F(IdleStep, ButtonsFollowClipboardSelectionModifiedFlagUndoAndWrap) {
  SetEditorText("some text");
  const struct { LONG start, end; const char* clipboard; bool modified, undoSeen; DWORD wrap; LRESULT paste, selected, save, wrapped; } states[] = {
      {2, 5, "abc", true, false, 0, enabled, enabled, grey, enabled | TBSTATE_CHECKED},  // nothing in the undo journal
      {4, 4, "", true, true, wordWrapOffStyle, grey, grey, enabled, enabled},
      {4, 4, "", false, true, wordWrapOffStyle, grey, grey, grey, enabled}};
  for (const auto& s : states) {
    SCOPED_TRACE(&s - states);
    Select(s.start, s.end);
    SendMessageA(editorWindow, EM_SETMODIFY, s.modified, 0);
    PutOnClipboard(CF_TEXT, s.clipboard);
    editorUndoSeen = s.undoSeen;
    wrapStyle = s.wrap;
    EXPECT_EQ(RunLoopToTheIdleStep(), 7);
    EXPECT_EQ(State(3), s.paste);
    for (int command : {6, 1, 2}) EXPECT_EQ(State(command), s.selected) << "button " << command;
    EXPECT_EQ(State(9), s.save);
    EXPECT_EQ(State(4), grey);
    EXPECT_EQ(State(wordWrapCommand), s.wrapped);
  }
}

}  // namespace
