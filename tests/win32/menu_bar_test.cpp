#include <vector>

#include "app/command_captions.h"
#include "app/globals.h"
#include "app/menu_bar.h"
#include "menu_fixture.h"

namespace {

class MenuBar : public MenuWindows {};

constexpr int sep = 0;

MENUITEMINFOA ItemAt(HMENU menu, int position) {
  MENUITEMINFOA item = {};
  item.cbSize = sizeof item;
  item.fMask = MIIM_ID | MIIM_TYPE | MIIM_SUBMENU;
  EXPECT_TRUE(GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &item));
  return item;
}

std::vector<int> ItemsOf(HMENU menu) {
  std::vector<int> items;
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    MENUITEMINFOA item = ItemAt(menu, i);
    items.push_back(item.fType & MFT_SEPARATOR ? sep : static_cast<int>(item.wID));
  }
  return items;
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

TEST_F(MenuBar, PopupsHoldTheirItemsInOrder) {
  const std::vector<int> expected[popupMenuCount] = {
      {7, 8, 38, 9, 26, sep, 900, 901, 902, 903, 904, 905, 906, 907, 908, 909, sep, 44},
      {4, sep, 1, 2, 3, 6, sep, 48, 25},
      {19, 20, 21, 22},
      {11, 39, sep, 37, 45, 56, sep, 43, sep, 24, 23, 10, 15},
      {13, 14, 28},
      {16, 18, 17, sep, 32, 34, 27, 29, 31, 30, sep, 35, 36, 33},
      {41, 42, 40, sep, 47, 46, 52, sep, 49, 50, sep, 53},
      {12, 54, 55, 51},
  };
  for (int menu = 0; menu < popupMenuCount; ++menu) {
    EXPECT_EQ(ItemsOf(popupMenus[menu]), expected[menu]) << "menu " << menu;
    for (int i = 0; i < GetMenuItemCount(popupMenus[menu]); ++i) {
      MENUITEMINFOA item = ItemAt(popupMenus[menu], i);
      if (item.fType & MFT_SEPARATOR) continue;
      EXPECT_TRUE(item.fType & MFT_OWNERDRAW) << item.wID;
      EXPECT_EQ((item.fType & MFT_MENUBARBREAK) != 0, item.wID == 29) << item.wID;
    }
  }
}

TEST_F(MenuBar, RefreshKeepsRecentItemsOwnerDrawnInPlace) {
  std::vector<int> before = ItemsOf(popupMenus[0]);
  RefreshRecentItems();
  EXPECT_EQ(ItemsOf(popupMenus[0]), before);
  for (int slot = 0; slot < recentCommandCount; ++slot) {
    EXPECT_TRUE(ItemAt(popupMenus[0], 6 + slot).fType & MFT_OWNERDRAW) << slot;
  }
}

TEST_F(MenuBar, MnemonicTableHasOneRecordPerLetteredItem) {
  ASSERT_EQ(mnemonicCount, 58);
  for (int i = 0; i < mnemonicCount; ++i) {
    const MnemonicRecord& record = mnemonicTable[i];
    EXPECT_EQ(RecordOf(record.command), &record) << "twice: " << record.command;
    ASSERT_LT(record.menu, popupMenuCount);
    EXPECT_NE(GetMenuState(popupMenus[record.menu], record.command, MF_BYCOMMAND), static_cast<UINT>(-1))
        << record.command << " is not in menu " << int{record.menu};
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

TEST_F(MenuBar, RebuildingStartsAFreshMnemonicTable) {
  HMENU oldBar = mainMenu;
  BuildMenuBar();
  EXPECT_EQ(mnemonicCount, 58);
  DestroyMenu(oldBar);
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
