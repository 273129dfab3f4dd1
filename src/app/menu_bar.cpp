#include "app/menu_bar.h"

#include "base/globals.h"

HMENU mainMenu;
HMENU popupMenus[popupMenuCount];
MnemonicRecord mnemonicTable[mnemonicCapacity];
BYTE mnemonicCount;

namespace {

constexpr int separator = 0;
constexpr UINT columnBreakCommand = 29;

struct MenuLayout {
  const int* items;  // top to bottom; `separator` between groups
  int count;
};

const int fileItems[] = {7, 8, 38, 9, 26, separator, 900, 901, 902, 903, 904, 905, 906, 907, 908, 909, separator, 44};
const int editItems[] = {4, separator, 1, 2, 3, 6, separator, 48, 25};
const int alignItems[] = {19, 20, 21, 22};
const int miscItems[] = {11, 39, separator, 37, 45, 56, separator, 43, separator, 24, 23, 10, 15};
const int searchItems[] = {13, 14, 28};
const int codePageItems[] = {16, 18, 17, separator, 32, 34, 27, 29, 31, 30, separator, 35, 36, 33};
const int fontItems[] = {41, 42, 40, separator, 47, 46, 52, separator, 49, 50, separator, 53};
const int helpItems[] = {12, 54, 55, 51};

template <int N>
constexpr MenuLayout Layout(const int (&items)[N]) {
  return {items, N};
}

const MenuLayout menuLayouts[popupMenuCount] = {
    Layout(fileItems), Layout(editItems),     Layout(alignItems), Layout(miscItems),
    Layout(searchItems), Layout(codePageItems), Layout(fontItems),  Layout(helpItems),
};

void AddMnemonic(int menu, BYTE character, UINT command) {
  if (mnemonicCount >= mnemonicCapacity) return;
  mnemonicTable[mnemonicCount++] = {static_cast<BYTE>(menu), character, command};
}

// The letter after the first "&" that is not the escape "&&"; 0 without one.
BYTE MnemonicOf(const char* caption) {
  if (lstrlenA(caption) < 2) return 0;
  for (const char* p = caption; p[0] && p[1]; ++p) {
    if (p[0] == '&' && p[1] != '&') return static_cast<BYTE>(p[1]);
  }
  return 0;
}

void RecordMnemonic(int menu, UINT command) {
  if (command >= firstRecentCommand) {
    AddMnemonic(menu, static_cast<BYTE>('0' + command - firstRecentCommand), command);
    return;
  }
  BYTE character = MnemonicOf(CommandCaption(static_cast<int>(command)));
  if (character) AddMnemonic(menu, character, command);
}

// Every insertion goes before position 0, so callers run from the last to the first.
void InsertAtTop(HMENU menu, const MENUITEMINFOA& item) {
  InsertMenuItemA(menu, 0, TRUE, &item);
}

void InsertPopup(int index) {
  popupMenus[index] = CreatePopupMenu();
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_SUBMENU | MIIM_TYPE;
  item.fType = index == popupMenuCount - 1 ? MFT_RIGHTJUSTIFY : MFT_STRING;
  item.hSubMenu = popupMenus[index];
  item.dwTypeData = const_cast<char*>(menuCaptions[index]);
  item.cch = static_cast<UINT>(lstrlenA(menuCaptions[index]));
  InsertAtTop(mainMenu, item);
}

void InsertItem(int menu, int command) {
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_TYPE;
  if (command == separator) {
    item.fType = MFT_SEPARATOR;
  } else {
    item.fMask |= MIIM_ID;
    item.fType = MFT_OWNERDRAW | (command == columnBreakCommand ? MFT_MENUBARBREAK : 0);
    item.wID = static_cast<UINT>(command);
    RecordMnemonic(menu, item.wID);
  }
  InsertAtTop(popupMenus[menu], item);
}

void FillPopup(int menu) {
  const MenuLayout& layout = menuLayouts[menu];
  for (int i = layout.count - 1; i >= 0; --i) InsertItem(menu, layout.items[i]);
}

}  // namespace

void BuildMenuBar() {
  mnemonicCount = 0;
  mainMenu = CreateMenu();
  for (int i = popupMenuCount - 1; i >= 0; --i) InsertPopup(i);
  for (int i = 0; i < popupMenuCount; ++i) FillPopup(i);
  SetMenu(mainWindow, mainMenu);
}

void RefreshRecentItems() {
  for (int slot = recentCommandCount - 1; slot >= 0; --slot) {
    UINT command = firstRecentCommand + static_cast<UINT>(slot);
    ModifyMenuA(mainMenu, command, MF_BYCOMMAND | MF_OWNERDRAW, command, nullptr);
  }
}

void ShowContextMenu(ContextMenu menu, LPARAM screenPoint) {
  HMENU popup = popupMenus[menu == ContextMenu::Edit ? editMenuIndex : codePageMenuIndex];
  if (!popup) return;
  auto x = static_cast<short>(LOWORD(screenPoint));
  auto y = static_cast<short>(HIWORD(screenPoint));
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, x, y, 0, mainWindow, nullptr);
}
