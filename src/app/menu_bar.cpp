#include "app/menu_bar.h"

#include "app/globals.h"

HMENU mainMenu;
HMENU popupMenus[popupMenuCount];

namespace {

const char* const menuCaptions[popupMenuCount] = {
    "&Файл", "&Правка", "&Выравнивание", "&Разное", "П&оиск", "&Кодировки", "Шр&ифт", "&?",
};

struct MenuItem {
  int menu;
  UINT command;
  const char* caption;
};

// The commands that exist so far, as plain text items.
const MenuItem menuItems[] = {
    {0, 44, "В&ыход"},
    {1, 25, "П&еренос по словам"},
    {7, 51, "&О программе"},
};

}  // namespace

void BuildMenuBar() {
  mainMenu = CreateMenu();
  for (int i = 0; i < popupMenuCount; ++i) {
    popupMenus[i] = CreatePopupMenu();
    UINT flags = MF_POPUP | MF_STRING | (i == popupMenuCount - 1 ? MF_RIGHTJUSTIFY : 0);
    AppendMenuA(mainMenu, flags, reinterpret_cast<UINT_PTR>(popupMenus[i]), menuCaptions[i]);
  }
  for (const MenuItem& item : menuItems) AppendMenuA(popupMenus[item.menu], MF_STRING, item.command, item.caption);
  SetMenu(mainWindow, mainMenu);
}
