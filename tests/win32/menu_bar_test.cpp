#include <iterator>

#include "app/command_captions.h"
#include "app/globals.h"
#include "app/menu_bar.h"
#include "menu_fixture.h"

namespace {

class MenuBar : public MenuWindows {};

MENUITEMINFOA ItemAt(HMENU menu, int position) {
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_TYPE | MIIM_SUBMENU;
  EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item));
  return item;
}

const MnemonicRecord* RecordOf(UINT command) {
  for (int i = 0; i < mnemonicCount; ++i) {
    if (mnemonicTable[i].command == command) return &mnemonicTable[i];
  }
  return nullptr;
}

TEST_F(MenuBar, HasEightMenusWithTheLastRightJustified) {
  ASSERT_EQ(GetMenu(mainWindow), mainMenu);
  ASSERT_EQ(GetMenuItemCount(mainMenu), popupMenuCount);
  for (int i = 0; i < popupMenuCount; ++i) {
    MENUITEMINFOA item = ItemAt(mainMenu, i);
    EXPECT_EQ(item.hSubMenu, popupMenus[i]) << i;
    EXPECT_EQ((item.fType & MFT_RIGHTJUSTIFY) != 0, i == popupMenuCount - 1) << i;
    char caption[32] = {};
    GetMenuStringA(mainMenu, static_cast<UINT>(i), caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, menuCaptions[i]);
  }
  EXPECT_STREQ(menuCaptions[0], "&\xD4\xE0\xE9\xEB");  // "&Файл" in Windows-1251
}

TEST_F(MenuBar, RefreshKeepsRecentItemsOwnerDrawnInPlace) {
  RefreshRecentItems();
  for (int slot = 0; slot < recentCommandCount; ++slot) {
    MENUITEMINFOA item = ItemAt(popupMenus[0], 6 + slot);
    EXPECT_EQ(item.wID, static_cast<UINT>(900 + slot));
    EXPECT_TRUE(item.fType & MFT_OWNERDRAW) << slot;
  }
}

// Every lettered item has one record naming its menu, and is drawn by the program;
// rebuilding the bar starts the table afresh.
TEST_F(MenuBar, MnemonicTableHasOneRecordPerLetteredItem) {
  HMENU oldBar = mainMenu;
  BuildMenuBar();
  DestroyMenu(oldBar);
  ASSERT_EQ(mnemonicCount, 58);
  for (int i = 0; i < mnemonicCount; ++i) {
    const MnemonicRecord& record = mnemonicTable[i];
    EXPECT_EQ(RecordOf(record.command), &record) << "twice: " << record.command;
    ASSERT_LT(record.menu, popupMenuCount);
    EXPECT_NE(GetMenuState(popupMenus[record.menu], record.command, MF_BYCOMMAND), static_cast<UINT>(-1))
        << record.command << " is not in menu " << int{record.menu};
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE;
    GetMenuItemInfoA(popupMenus[record.menu], record.command, FALSE, &item);
    EXPECT_TRUE(item.fType & MFT_OWNERDRAW) << record.command;
  }
  for (UINT unlettered : {27u, 31u, 32u, 33u, 35u, 54u, 55u}) EXPECT_EQ(RecordOf(unlettered), nullptr) << unlettered;
  // The view code pages and their fonts use the Cyrillic key.
  EXPECT_EQ(RecordOf(16)->character, 0xC0);
  EXPECT_EQ(RecordOf(17)->character, 0xCE);
  EXPECT_EQ(RecordOf(42)->character, 0xCA);
  EXPECT_EQ(RecordOf(53)->character, 0xCD);
  EXPECT_EQ(RecordOf(29)->character, 'N');
  EXPECT_EQ(RecordOf(8)->menu, 0);
  EXPECT_EQ(RecordOf(8)->character, 0xCE);
  EXPECT_EQ(RecordOf(907)->character, '7');
  EXPECT_EQ(RecordOf(907)->menu, 0);
}

struct Accelerator {
  BYTE modifiers;
  WORD key;
  WORD command;
};

TEST_F(MenuBar, AcceleratorTableIsResourceOne) {
  const Accelerator expected[] = {
      {FCONTROL, VK_OEM_PLUS, 49}, {FCONTROL, VK_OEM_MINUS, 50}, {FCONTROL, 'C', 2},     {FCONTROL, 'D', 101},
      {FCONTROL, 'E', 20},         {FCONTROL, 'F', 13},          {FCONTROL, 'H', 53},    {FCONTROL, 'J', 19},
      {FCONTROL, 'K', 102},        {FCONTROL, 'L', 21},          {FCONTROL, 'O', 8},     {FCONTROL, 'R', 22},
      {FCONTROL, 'S', 9},          {FCONTROL, 'V', 3},           {FCONTROL, VK_ADD, 49}, {FALT, VK_BACK, 4},
      {FSHIFT, VK_DELETE, 1},      {0, VK_ESCAPE, SC_CLOSE},     {0, VK_F1, 12},         {0, VK_F2, 16},
      {FCONTROL, VK_F2, 17},       {FALT, VK_F2, 18},            {0, VK_F3, 28},         {0, VK_F4, 300},
      {0, VK_F5, 53},              {0, VK_F7, 13},               {FCONTROL, VK_F7, 14},  {FCONTROL, VK_INSERT, 2},
      {FSHIFT, VK_INSERT, 3},      {FCONTROL, VK_SUBTRACT, 50},  {FCONTROL, 'W', 100},   {FCONTROL, 'X', 1},
      {FCONTROL, 'Z', 4},
  };
  HACCEL table = LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  ASSERT_NE(table, nullptr);
  ACCEL entries[64];
  int count = CopyAcceleratorTableA(table, entries, 64);
  ASSERT_EQ(count, static_cast<int>(std::size(expected)));
  for (int i = 0; i < count; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(entries[i].fVirt, FVIRTKEY | FNOINVERT | expected[i].modifiers);
    EXPECT_EQ(entries[i].key, expected[i].key);
    EXPECT_EQ(entries[i].cmd, expected[i].command);
  }
  DestroyAcceleratorTable(table);
}

}  // namespace
