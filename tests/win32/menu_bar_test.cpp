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
  EXPECT_EQ(RecordOf(16)->character, 0xC0);  // the view code pages use the Cyrillic key
}


}  // namespace
