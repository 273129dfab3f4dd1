// The toolbar and the status bar on the program's own main window: the
// arrangement kept in "TBS", the panes, the idle step that greys the buttons
// (and the message loop that runs it), and the options dialog that switches
// the bars, driven as a user would: boxes and fields set, then OK or Cancel.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <map>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/message_loop.h"
#include "app/options_dialog.h"
#include "app/settings_store.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "conversion/undo_commands.h"
#include "conversion/view_format.h"
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
    if (!accelerators) accelerators = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
    rememberPlacement = rememberCaret = true;  // as a first start reads them
  }
  void TearDown() override {
    useEditorUndo = editorUndoSeen = bigButtons = false;
    RegDeleteKeyA(HKEY_CURRENT_USER, settingsKeyPath);
  }
  static void Restart() {
    DestroyToolbar();
    CreateToolbar();
  }
  static std::vector<int> Buttons() {
    std::vector<int> shown;
    for (int i = 0; i < SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0); ++i) {
      TBBUTTON button{};
      SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      if (button.fsStyle & TBSTYLE_SEP) shown.push_back(-1);
      else shown.insert(shown.end(), {button.idCommand, button.iBitmap});
    }
    return shown;
  }
  static void Notify(UINT code) {
    NMHDR header{toolbarWindow, 0, code};
    SendMessageA(mainWindow, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }
  // Puts `set` into the dialog's boxes ("1" or "0") and fields, then presses `button`.
  static void Run(const std::map<int, std::string>& set, int button = IDOK) {
    RunClosingDialog([] { Command(optionsCommand); }, button, [&](HWND dialog) {
      for (const auto& [id, value] : set) {
        if (id == 113 || id == 115 || id == 121) SetDlgItemTextA(dialog, id, value.c_str());
        else CheckDlgButton(dialog, id, value == "1" ? BST_CHECKED : BST_UNCHECKED);
      }
    });
    PumpMessages();  // the layout it posted
  }
  static RECT Place(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
};

TEST_F(Chrome, FirstRunButtonsThenAChangedArrangementSurvivesARestartAndReset) {
  Restart();
  EXPECT_EQ(Buttons(), firstRun);
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  TBBUTTON wrap{10, 25, TBSTATE_ENABLED, TBSTYLE_CHECK, {}, 0, 0};
  SendMessageA(toolbarWindow, TB_INSERTBUTTONA, 3, reinterpret_cast<LPARAM>(&wrap));
  Notify(TBN_TOOLBARCHANGE);  // what the customisation dialog sends after a change
  const std::vector<int> changed = Buttons();
  ASSERT_NE(changed, firstRun);
  Restart();
  EXPECT_EQ(Buttons(), changed);
  SendMessageA(toolbarWindow, TB_DELETEBUTTON, 0, 0);
  Notify(TBN_RESET);
  EXPECT_EQ(Buttons(), changed);
}

TEST_F(Chrome, StoredArrangementOfAnotherTypeOrDamagedGivesTheFirstRunButtons) {
  const DWORD commands[] = {7, 0x12345, 8};
  const struct {
    DWORD type;
    const void* data;
    DWORD size;
  } stored[] = {{REG_SZ, "7 8", 4}, {REG_DWORD, commands, 4}, {REG_BINARY, commands, 12}, {REG_BINARY, commands, 3}};
  for (const auto& value : stored) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "TBS", 0, value.type, static_cast<const BYTE*>(value.data), value.size);
    RegCloseKey(key);
    Restart();
    EXPECT_EQ(Buttons(), firstRun) << "type " << value.type << ", " << value.size << " bytes";
  }
}

// The program's picture of `view` at the left of the code-page pane, as the bar shows it.
bool CodePagePaneShows(CodePage view) {
  RedrawWindow(statusWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  RECT pane;
  SendMessageA(statusWindow, SB_GETRECT, codePagePane, reinterpret_cast<LPARAM>(&pane));
  HDC screen = GetDC(statusWindow);
  HDC images = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(images, programImages);
  int top = (pane.top + pane.bottom - 16) / 2;
  bool same = true;
  for (int i = 0; i < 256 && same; ++i) {
    same = GetPixel(screen, pane.left + 1 + i % 16, top + i / 16) == GetPixel(images, 16 * view + i % 16, i / 16);
  }
  SelectObject(images, previous);
  DeleteDC(images);
  ReleaseDC(statusWindow, screen);
  return same;
}

TEST_F(Chrome, PanesEndAtTheirEdgesAndFollowTheViewKeysAndInsert) {
  int edges[6] = {};
  ASSERT_EQ(SendMessageA(statusWindow, SB_GETPARTS, 6, reinterpret_cast<LPARAM>(edges)), 5);
  EXPECT_EQ(std::vector<int>(edges, edges + 5), (std::vector<int>{95, 125, 230, 300, -1}));
  const struct {
    KeyPress key;
    CodePage view;
  } keys[] = {{{VK_F2, Ctrl}, Oem}, {{VK_F2, Alt}, Koi8}, {{VK_F2, Plain}, Ansi}};
  for (const auto& key : keys) {
    Press(editorWindow, key.key);
    EXPECT_TRUE(CodePagePaneShows(key.view)) << key.view;
  }
  Press(editorWindow, {VK_INSERT, Plain});
  EXPECT_EQ(StatusPaneText(insertModePane), "Замена");
  Press(editorWindow, {VK_INSERT, Plain});
  EXPECT_EQ(StatusPaneText(insertModePane), "Вставка");
}


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

// Paste, the selection's buttons, Save (only with something to undo), Undo and wrap, state after state.
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
    IdleUpdate();
    EXPECT_EQ(State(3), s.paste);
    for (int command : {6, 1, 2}) EXPECT_EQ(State(command), s.selected) << "button " << command;
    EXPECT_EQ(State(9), s.save);
    EXPECT_EQ(State(4), grey);
    EXPECT_EQ(State(wordWrapCommand), s.wrapped);
  }
}



// Cancel changes nothing; OK writes every value, clamped, and applies it at once.
TEST_F(Chrome, OptionsDialogOkWritesEveryValueClampedAndAppliesItAtOnce) {
  Run({{108, "0"}, {109, "0"}, {101, "1"}}, IDCANCEL);
  EXPECT_TRUE(toolbarWindow && statusWindow && !bigButtons);
  EXPECT_EQ(ReadSettingDword("ST", -1), -1);
  SetEditorText("abc");
  Select(0, 1);
  Command(6);  // Delete: a step in the undo journal
  WriteSettingDword("FI", 500);
  WriteSettingDword("RI", 5);
  // Two stored indents out of range start clamped; the left field is given no number.
  Run({{108, "0"}, {109, "0"}, {101, "1"}, {110, "0"}, {111, "0"}, {1001, "0"}, {144, "0"}, {113, "abc"}});
  for (auto [name, value] : {std::pair{"ST", 0}, {"TL", 0}, {"NO", 1}, {"AU", 0}, {"RP", 0}, {"BIG", 1}, {"IG", 0},
                             {"FI", 80}, {"LI", 0}, {"RI", 10}}) {
    EXPECT_EQ(ReadSettingDword(name, -1), value) << name;
  }
  EXPECT_TRUE(toolbarWindow == nullptr && statusWindow == nullptr && useEditorUndo && editorUndoSeen);
  EXPECT_FALSE(UndoJournalHoldsRecord());
  RECT client;
  GetClientRect(mainWindow, &client);
  EXPECT_EQ(Place(editorWindow).top, 0);
  EXPECT_EQ(Place(editorWindow).bottom, client.bottom);

  Run({{108, "1"}, {109, "1"}});  // both bars back, with big buttons, the editor between them
  ASSERT_TRUE(toolbarWindow && statusWindow);
  EXPECT_EQ(StatusPaneText(insertModePane) + StatusPaneText(caretPane), "Вставка   1:1");
  EXPECT_GE(HIWORD(SendMessageA(toolbarWindow, TB_GETBUTTONSIZE, 0, 0)), 30);
  EXPECT_EQ(Place(editorWindow).top, Place(toolbarWindow).bottom);
  EXPECT_EQ(Place(editorWindow).bottom, Place(statusWindow).top);
}

}  // namespace
