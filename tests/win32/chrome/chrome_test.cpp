// The toolbar, the status bar and the Edit menu on the program's own main
// window: the code-page pane, the idle step and the menu's opening that grey
// commands, and the options dialog that switches the bars, driven as a user
// would: boxes and fields set, then OK or Cancel. Of the toolbar's
// arrangement, the first start's and a stored value it cannot use are tested.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/accelerators.h"
#include "app/menu_bar.h"
#include "app/message_loop.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "base/view_code_pages.h"
#include "chrome/status_bar.h"
#include "chrome/toolbar.h"
#include "editor/editor_control.h"
#include "editor/undo_commands.h"
#include "editor/view_format.h"
#include "key_presses.h"
#include "program_windows.h"

namespace {

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
  static RECT Place(HWND window) {  // in the main window's client area
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(nullptr, mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }
};

// The manifest asks for the common controls of version 6 (visual styles): the
// comctl32 loaded is that side-by-side assembly's, on Windows as under Wine
// (whose copy answers 5.81 to DllGetVersion either way).
TEST_F(Chrome, TheCommonControlsLoadedAreThoseOfVersion6) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
  CharLowerW(path);
  EXPECT_TRUE(wcsstr(path, L"\\winsxs\\") && wcsstr(path, L"microsoft.windows.common-controls_6595b64144ccf1df_6."))
      << path;
}

// Each row sets the dialog's boxes ("1" or "0") and fields, presses OK or
// Cancel, and gives the settings stored then (-1: none), the bars shown and
// whether the undo journal kept its step; the editor always fills the space
// between the bars. A stored indent out of range starts at the nearest end,
// also beyond 16 bits, where the up-down control would keep only the low word;
// a field whose text is no number in range gives its default (80 for the
// right indent), not the nearest end nor the value it started with.
TEST_F(Chrome, OptionsDialogStoresEveryValueClampedAndAppliesItAtOnce) {
  enum { bigBox = 101, toolbarBox = 108, statusBox = 109, journalBox = 110, placementBox = 111, rightField = 115,
         firstField = 121, ignoreBreaksBox = 144, caretBox = 1001 };
  WriteSettingDword("LI", 0x10000 + 40);
  WriteSettingDword("FI", 7);
  WriteSettingDword("RI", 100);
  const struct { std::map<int, std::string> set; int button; std::vector<std::pair<const char*, int>> stored; bool toolbar, status, journal; } rows[] = {
      {{{toolbarBox, "0"}, {statusBox, "0"}, {bigBox, "1"}}, IDCANCEL, {{"ST", -1}, {"BIG", -1}}, true, true, true},
      {{{toolbarBox, "0"}, {statusBox, "0"}, {bigBox, "1"}, {journalBox, "0"}, {placementBox, "0"}, {caretBox, "1"},
        {ignoreBreaksBox, "1"}, {firstField, "70000"}, {rightField, "abc"}},
       IDOK,
       {{"ST", 0}, {"TL", 0}, {"NO", 1}, {"AU", 0}, {"RP", 1}, {"BIG", 1}, {"IG", 1}, {"FI", 0}, {"LI", 80}, {"RI", 80}},
       false, false, false},
      {{{toolbarBox, "1"}, {statusBox, "1"}, {caretBox, "0"}}, IDOK, {{"ST", 1}, {"TL", 1}, {"NO", 1}, {"RP", 0}, {"BIG", 1}}, true, true, false},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(&r - rows);
    SetEditorText("abc");
    Select(0, 1);
    SendCommand(Command::Delete);  // a step in the undo journal unless the control's own undo is chosen
    RunClosingDialog([] { SendCommand(Command::Options); }, r.button, [&](HWND dialog) {
      for (const auto& [id, value] : r.set) {
        if (id == rightField || id == firstField) SetDlgItemTextA(dialog, id, value.c_str());
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

// With nothing stored, the first start's buttons: New, Open, Save | Cut, Copy,
// Paste | Undo, each with its command's picture. A stored arrangement of
// another type, or damaged, gives them too.
TEST_F(Chrome, FirstRunButtonsAlsoForAStoredArrangementOfAnotherTypeOrDamaged) {
  using Buttons = std::vector<std::pair<int, int>>;  // command and picture; a separator is {0, -1}
  const auto restartedButtons = [] {
    DestroyToolbar();
    CreateToolbar();
    Buttons buttons;
    for (LRESULT i = 0, n = SendMessageA(toolbarWindow, TB_BUTTONCOUNT, 0, 0); i < n; ++i) {
      TBBUTTON button{};
      SendMessageA(toolbarWindow, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&button));
      buttons.emplace_back(button.fsStyle & TBSTYLE_SEP ? std::pair(0, -1) : std::pair(button.idCommand, button.iBitmap));
    }
    return buttons;
  };
  using enum Command;
  const Buttons firstRun = {{Id(New), 6}, {Id(Open), 7},  {Id(Save), 8},  {0, -1}, {Id(Cut), 0},
                            {Id(Copy), 1}, {Id(Paste), 2}, {0, -1},        {Id(Undo), 3}};
  EXPECT_EQ(restartedButtons(), firstRun);  // nothing stored
  const DWORD commands[] = {Id(New), 0x12345, Id(Open)};
  const struct { DWORD type; const void* data; DWORD size; } stored[] = {
      {REG_SZ, "7 8", 4}, {REG_DWORD, commands, 4}, {REG_BINARY, commands, 12}, {REG_BINARY, commands, 3}};
  for (const auto& value : stored) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, settingsKeyPath, &key), ERROR_SUCCESS);
    RegSetValueExA(key, "TBS", 0, value.type, static_cast<const BYTE*>(value.data), value.size);
    RegCloseKey(key);
    EXPECT_EQ(restartedButtons(), firstRun) << "type " << value.type << ", " << value.size << " bytes";
  }
}

// The view keys change the view and the picture at the left of the code-page pane.
TEST_F(Chrome, CodePagePaneShowsThePictureOfTheViewAfterEachViewKey) {
  const struct { KeyPress key; CodePage view; } keys[] = {
      {{VK_F2, Ctrl}, Oem}, {{VK_F2, Alt}, Koi8}, {{VK_F2, Shift}, Utf8}, {{VK_F2, Plain}, Ansi}};
  RECT pane;
  SendMessageA(statusWindow, SB_GETRECT, codePagePane, reinterpret_cast<LPARAM>(&pane));
  const int size = 16, left = pane.left + statusTextMargin, top = (pane.top + pane.bottom - size) / 2;
  ASSERT_EQ(ImageList_GetImageCount(menuPictures), 24);
  if (!accelerators) accelerators = CreateAccelerators();
  for (const auto& k : keys) {
    Press(editorWindow, k.key);
    EXPECT_EQ(viewCodePage, k.view);
    // The picture drawn on the pane's own background, left of it.
    RedrawWindow(statusWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC screen = GetDC(statusWindow), drawn = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ previous = SelectObject(drawn, bitmap);
    HBRUSH background = CreateSolidBrush(GetPixel(screen, left - 1, top));
    RECT area{0, 0, size, size};
    FillRect(drawn, &area, background);
    ImageList_Draw(menuPictures, 15 + viewImages[ViewIndex(k.view)], drawn, 0, 0, ILD_TRANSPARENT);
    int differing = 0;
    for (int i = 0; i < size * size; ++i) {
      differing += GetPixel(screen, left + i % size, top + i / size) != GetPixel(drawn, i % size, i / size);
    }
    SelectObject(drawn, previous);
    DeleteObject(background);
    DeleteObject(bitmap);
    DeleteDC(drawn);
    ReleaseDC(statusWindow, screen);
    EXPECT_EQ(differing, 0) << k.view;
  }
}

constexpr LRESULT grey = TBSTATE_INDETERMINATE, enabled = TBSTATE_ENABLED;

class IdleStep : public FreshDocument {
 protected:
  void SetUp() override {
    FreshDocument::SetUp();
    DestroyToolbar();
    CreateToolbar();  // the first-run buttons, and the two the idle step also sets
    for (Command command : {Command::Delete, Command::WordWrap}) {
      TBBUTTON button{0, Id(command), 0, static_cast<BYTE>(command == Command::Delete ? BTNS_BUTTON : BTNS_CHECK), {}, 0, 0};
      SendMessageA(toolbarWindow, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    }
  }
  void TearDown() override {
    DestroyToolbar();
    editorUndoSeen = false;
    SendMessageA(editorWindow, EM_SETMODIFY, FALSE, 0);
    FreshDocument::TearDown();
  }
};

// Paste, the selection's commands, Save, Undo and wrap, state after state: on
// the toolbar after the idle step (Save only with something to undo) and in
// the Edit menu as it opens.
TEST_F(IdleStep, ButtonsAndMenuItemsFollowClipboardSelectionModifiedFlagUndoAndWrap) {
  const struct { LONG start, end; const char* clipboard; bool deleted, modified, undoSeen; DWORD wrap; bool paste, selected, save, undo; LRESULT wrapped; } states[] = {
      {2, 5, "abc", false, true, false, 0, true, true, false, false, enabled | TBSTATE_CHECKED},  // nothing to undo
      {4, 4, "", false, true, true, wordWrapOffStyle, false, false, true, false, enabled},
      {4, 4, "", false, false, true, wordWrapOffStyle, false, false, false, false, enabled},
      {0, 1, "x", true, true, false, wordWrapOffStyle, true, true, true, true, enabled}};  // the journal holds a Delete
  for (const auto& s : states) {
    SCOPED_TRACE(&s - states);
    SetEditorText("some text");
    ClearUndoJournal();
    Select(0, s.deleted ? 1 : 0);
    if (s.deleted) SendCommand(Command::Delete);
    Select(s.start, s.end);
    SendMessageA(editorWindow, EM_SETMODIFY, s.modified, 0);
    PutOnClipboard(CF_TEXT, s.clipboard);
    editorUndoSeen = s.undoSeen;
    wrapStyle = s.wrap;
    IdleUpdate();
    SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popupMenus[editMenuIndex]), 1);
    using enum Command;
    const std::pair<Command, bool> items[] = {{Paste, s.paste}, {Delete, s.selected}, {Cut, s.selected},
                                              {Copy, s.selected}, {Undo, s.undo},      {Save, s.save}};
    for (auto [command, on] : items) {
      EXPECT_EQ(SendMessageA(toolbarWindow, TB_GETSTATE, Id(command), 0), on ? enabled : grey) << Id(command);
      bool itemOn = (GetMenuState(mainMenu, Id(command), MF_BYCOMMAND) & MF_GRAYED) == 0;
      EXPECT_EQ(itemOn, command == Save ? s.modified : on) << Id(command);
    }
    EXPECT_EQ(SendMessageA(toolbarWindow, TB_GETSTATE, Id(WordWrap), 0), s.wrapped);
  }
}

}  // namespace
