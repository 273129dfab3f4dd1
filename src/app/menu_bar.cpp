#include "app/menu_bar.h"

#include "base/commands.h"
#include "base/globals.h"

HMENU mainMenu;
HMENU popupMenus[popupMenuCount];
MnemonicRecord mnemonicTable[mnemonicCapacity];
BYTE mnemonicCount;

namespace {

using enum Command;

constexpr Command separator{};
constexpr Command columnBreak = RecodeToAnsi;  // the code-page menu's second column starts here

struct MenuLayout {
  const Command* items;  // top to bottom; `separator` between groups
  int count;
};

constexpr Command Recent(int slot) { return RecentFileCommand(slot); }

const Command fileItems[] = {New, Open, InsertFrom, Save, SaveAs, separator,
                             Recent(0), Recent(1), Recent(2), Recent(3), Recent(4),
                             Recent(5), Recent(6), Recent(7), Recent(8), Recent(9), separator, Exit};
const Command editItems[] = {Undo, separator, Cut, Copy, Paste, Delete, separator, SelectAll, WordWrap};
const Command alignItems[] = {Justify, Centre, AlignLeft, AlignRight};
const Command miscItems[] = {CharacterTable, DateTime, separator, Options, CustomizeToolbar, Associations, separator,
                             PatchByte, separator, PageSetup, PageNumbers, PrintPreview, Print};
const Command searchItems[] = {Find, Replace, FindNext};
const Command codePageItems[] = {ViewAnsi, ViewKoi8, ViewUtf8, ViewOem, separator, Fido, RtfToAnsi, ChooseConversion,
                                 RecodeToAnsi, RecodeToKoi8, RecodeToOem, separator,
                                 EqualsEscapes, LineBreak, Translit};
const Command fontItems[] = {OemFont, Koi8Font, Utf8Font, AnsiFont, separator, TextColour, BackgroundColour, TagColour,
                             separator, FontLarger, FontSmaller, separator, PaintTags};
const Command helpItems[] = {Help, HomePage, MailAddress, About};

template <int N>
constexpr MenuLayout Layout(const Command (&items)[N]) {
  return {items, N};
}

const MenuLayout menuLayouts[popupMenuCount] = {
    Layout(fileItems), Layout(editItems),     Layout(alignItems), Layout(miscItems),
    Layout(searchItems), Layout(codePageItems), Layout(fontItems),  Layout(helpItems),
};

void AddMnemonic(int menu, wchar_t character, UINT command) {
  if (mnemonicCount >= mnemonicCapacity) return;
  mnemonicTable[mnemonicCount++] = {static_cast<BYTE>(menu), character, command};
}

// The letter after the first "&" that is not the escape "&&"; 0 without one.
wchar_t MnemonicOf(const wchar_t* caption) {
  for (const wchar_t* p = caption; p[0] && p[1]; ++p) {
    if (p[0] == L'&' && p[1] != L'&') return p[1];
  }
  return 0;
}

void RecordMnemonic(int menu, Command command) {
  int recentSlot = RecentSlot(command);
  if (recentSlot >= 0) {
    AddMnemonic(menu, static_cast<wchar_t>(L'0' + recentSlot), static_cast<UINT>(Id(command)));
    return;
  }
  wchar_t character = MnemonicOf(CommandCaption(command));
  if (character) AddMnemonic(menu, character, static_cast<UINT>(Id(command)));
}

// Every insertion goes before position 0, so callers run from the last to the first.
void InsertAtTop(HMENU menu, const MENUITEMINFOW& item) {
  InsertMenuItemW(menu, 0, TRUE, &item);
}

void InsertPopup(int index) {
  popupMenus[index] = CreatePopupMenu();
  MENUITEMINFOW item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_SUBMENU | MIIM_TYPE;
  item.fType = index == popupMenuCount - 1 ? MFT_RIGHTJUSTIFY : MFT_STRING;
  item.hSubMenu = popupMenus[index];
  item.dwTypeData = const_cast<wchar_t*>(menuCaptions[index]);
  item.cch = static_cast<UINT>(lstrlenW(menuCaptions[index]));
  InsertAtTop(mainMenu, item);
}

void InsertItem(int menu, Command command) {
  MENUITEMINFOW item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_TYPE;
  if (command == separator) {
    item.fType = MFT_SEPARATOR;
  } else {
    item.fMask |= MIIM_ID;
    item.fType = MFT_OWNERDRAW | (command == columnBreak ? MFT_MENUBARBREAK : 0);
    item.wID = static_cast<UINT>(Id(command));
    RecordMnemonic(menu, command);
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
    auto command = static_cast<UINT>(Id(RecentFileCommand(slot)));
    ModifyMenuA(mainMenu, command, MF_BYCOMMAND | MF_OWNERDRAW, command, nullptr);
  }
}

void RemeasureMenuItems() {
  for (HMENU popup : popupMenus) {
    if (!popup) continue;
    for (int i = GetMenuItemCount(popup) - 1; i >= 0; --i) {
      MENUITEMINFOW item = {};
      item.cbSize = sizeof item;
      item.fMask = MIIM_FTYPE;
      // Setting an owner-drawn item's type again drops the size the menu keeps for it.
      if (GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &item) && (item.fType & MFT_OWNERDRAW)) {
        SetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &item);
      }
    }
  }
}

void ShowContextMenu(ContextMenu menu, LPARAM screenPoint) {
  HMENU popup = popupMenus[menu == ContextMenu::Edit ? editMenuIndex : codePageMenuIndex];
  if (!popup) return;
  auto x = static_cast<short>(LOWORD(screenPoint));
  auto y = static_cast<short>(HIWORD(screenPoint));
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, x, y, 0, mainWindow, nullptr);
}
