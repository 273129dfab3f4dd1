// The letters typed in an open menu of the program.
#include <vector>

#include "app/menu_bar.h"
#include "app/menu_mnemonics.h"
#include "base/globals.h"
#include "base/settings_store.h"
#include "editor/editor_control.h"
#include "editor/view_commands.h"
#include "editor/view_format.h"
#include "printing/print_setup.h"
#include "program_windows.h"

namespace {

constexpr Command none{};
std::vector<UINT> commandsSeen;
WNDPROC mainProc;

// Records the commands instead of running them.
LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return CallWindowProcA(mainProc, window, message, wParam, lParam);
  commandsSeen.push_back(LOWORD(wParam));
  return 0;
}

void CALLBACK CloseMenu(HWND, UINT, UINT_PTR, DWORD) { EndMenu(); }

class Menus : public ProgramWindows {
 protected:
  void SetUp() override {
    mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCommands)));
  }
  void TearDown() override {
    SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mainProc));
    WriteSettingString("LIST", "");
  }

  // The command of the item MenuChar chose for `character` typed in menu `index`;
  // `none` for none. It runs nothing itself: the menu runs the item it names.
  static Command Typed(wchar_t character, int index) {
    LRESULT result = MenuChar(character, popupMenus[index]);
    if (result == MNC_IGNORE) return none;
    EXPECT_EQ(HIWORD(result), MNC_EXECUTE);
    return CommandFrom(static_cast<int>(GetMenuItemID(popupMenus[index], LOWORD(result))));
  }
};

constexpr wchar_t cyrillicO = L'о';  // the menus are Unicode: WM_MENUCHAR brings UTF-16

TEST_F(Menus, TheLetterRunsTheEnabledItemOfTheOpenMenuTheExactLetterFirst) {
  EXPECT_EQ(Typed(cyrillicO, 0), Command::Open);
  EXPECT_EQ(Typed(cyrillicO, 1), Command::Undo);
  EXPECT_EQ(Typed('n', 5), Command::RecodeToAnsi);
  EXPECT_EQ(Typed('q', 0), none);
  EXPECT_EQ(MenuChar(cyrillicO, mainMenu), MNC_IGNORE);
  // On a Russian keyboard К and R share a key; "&RTF" comes first in the table.
  EXPECT_EQ(Typed(L'к', 5), Command::ViewKoi8);
  EXPECT_EQ(Typed('r', 5), Command::RtfToAnsi);

  EnableMenuItem(mainMenu, Id(Command::Open), MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(Typed(cyrillicO, 0), none);
  EnableMenuItem(mainMenu, Id(Command::Open), MF_BYCOMMAND | MF_ENABLED);
  EXPECT_EQ(Typed('1', 0), none);  // an empty recent slot
  WriteSettingString("LIST", "60");  // slots 6 and 0 listed, in that order
  WriteSettingString("6F", "C:\\a.txt");
  WriteSettingString("0F", "C:\\b.txt");
  EXPECT_EQ(Typed('1', 0), RecentFileCommand(1));
  EXPECT_EQ(Typed('2', 0), none);
}

// A command run inside the menu's loop could open a dialog under the open popup;
// should the letter not close the menu, the timer does and the test fails.
TEST_F(Menus, AMenuLetterRunsItsCommandAfterTheMenuHasClosed) {
  commandsSeen.clear();
  PostMessageW(mainWindow, WM_CHAR, cyrillicO, 0);  // waits for the menu's loop
  UINT_PTR guard = SetTimer(nullptr, 0, 5000, CloseMenu);
  TrackPopupMenu(popupMenus[0], TPM_LEFTALIGN, 0, 0, 0, mainWindow, nullptr);
  KillTimer(nullptr, guard);
  EXPECT_TRUE(commandsSeen.empty());  // nothing ran inside the menu's loop
  for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
  EXPECT_EQ(commandsSeen, std::vector<UINT>{Id(Command::Open)});
}

// The check marks follow the state each time a menu opens, whichever part changed it.
TEST_F(Menus, AnOpeningMenuChecksTheViewCodePageWordWrapAndPageNumbers) {
  const DWORD wrapBefore = wrapStyle;
  const bool numbersBefore = pageNumbersOn;
  auto checked = [](Command command) {
    return (GetMenuState(mainMenu, Id(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
  };
  for (CodePage view : {Oem, Koi8, Utf8, Ansi}) {
    for (bool on : {true, false}) {
      SetViewCodePage(view);
      wrapStyle = on ? 0 : wordWrapOffStyle;
      pageNumbersOn = on;
      SendMessageA(mainWindow, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popupMenus[codePageMenuIndex]),
                   MAKELPARAM(codePageMenuIndex, FALSE));
      for (CodePage shown : viewCodePages) {
        EXPECT_EQ(checked(CommandFor(viewCommands, shown)), shown == view) << view << " " << shown;
      }
      EXPECT_EQ(checked(Command::WordWrap), on);
      EXPECT_EQ(checked(Command::PageNumbers), on);
    }
  }
  wrapStyle = wrapBefore;
  pageNumbersOn = numbersBefore;
}

}  // namespace
