// The program's menus: the mnemonic table, the letters typed in an open menu,
// and the owner-drawn items with their pictures and recent-file labels.
#include <vector>

#include "app/globals.h"
#include "app/menu_bar.h"
#include "app/menu_item_drawing.h"
#include "app/menu_mnemonics.h"
#include "app/initialisation.h"
#include "app/recent_file_text.h"
#include "app/settings_store.h"
#include "program_windows.h"

namespace {

std::vector<UINT> commandsSeen;
WNDPROC mainProc;

// Records the commands instead of running them.
LRESULT CALLBACK RecordCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_COMMAND) return CallWindowProcA(mainProc, window, message, wParam, lParam);
  commandsSeen.push_back(LOWORD(wParam));
  return 0;
}

// The program's windows with the menu font read, as start-up leaves them.
class Menus : public ProgramWindows {
 protected:
  static void SetUpTestSuite() {
    ProgramWindows::SetUpTestSuite();
    if (!menuFont) ReadMenuMetrics();
  }
  void SetUp() override {
    mainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordCommands)));
  }
  void TearDown() override {
    SetWindowLongPtrA(mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(mainProc));
    SetRecentList("", {});
  }

  // "LIST" = `order`, and "<digit>F" = the path of each digit in turn.
  static void SetRecentList(const char* order, std::initializer_list<const char*> paths) {
    WriteSettingString("LIST", order);
    const char* digit = order;
    for (const char* path : paths) {
      if (!*digit) break;
      char name[] = {*digit++, 'F', '\0'};
      WriteSettingString(name, path);
    }
  }

  // The command MenuChar ran for `character` typed in menu `index`; 0 for none.
  static UINT Typed(BYTE character, int index) {
    commandsSeen.clear();
    LRESULT result = MenuChar(character, popupMenus[index]);
    if (commandsSeen.empty()) {
      EXPECT_EQ(result, MNC_IGNORE);
      return 0;
    }
    EXPECT_EQ(result, MAKELRESULT(0, MNC_CLOSE));
    EXPECT_EQ(commandsSeen.size(), 1u);
    return commandsSeen.front();
  }
};

const MnemonicRecord* RecordOf(UINT command) {
  for (int i = 0; i < mnemonicCount; ++i) {
    if (mnemonicTable[i].command == command) return &mnemonicTable[i];
  }
  return nullptr;
}

// Every lettered item has one record naming its menu, and is drawn by the program;
// rebuilding the bar starts the table afresh.
TEST_F(Menus, MnemonicTableHasOneRecordPerLetteredItem) {
  HMENU oldBar = mainMenu;
  BuildMenuBar();
  DestroyMenu(oldBar);
  ASSERT_EQ(mnemonicCount, 58);
  for (int i = 0; i < mnemonicCount; ++i) {
    const MnemonicRecord& record = mnemonicTable[i];
    EXPECT_EQ(RecordOf(record.command), &record) << "twice: " << record.command;
    ASSERT_LT(record.menu, popupMenuCount);
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE;
    EXPECT_TRUE(GetMenuItemInfoA(popupMenus[record.menu], record.command, FALSE, &item))
        << record.command << " is not in menu " << int{record.menu};
    EXPECT_TRUE(item.fType & MFT_OWNERDRAW) << record.command;
  }
  for (UINT unlettered : {27u, 31u, 32u, 33u, 35u, 54u, 55u}) EXPECT_EQ(RecordOf(unlettered), nullptr) << unlettered;
  EXPECT_EQ(RecordOf(16)->character, 0xC0);  // the view code pages use the Cyrillic key
}

constexpr BYTE cyrillicO = 0xEE;  // "о" in Windows-1251

TEST_F(Menus, TheLetterRunsTheEnabledItemOfTheOpenMenuTheExactLetterFirst) {
  EXPECT_EQ(Typed(cyrillicO, 0), 8u);
  EXPECT_EQ(Typed(cyrillicO, 1), 4u);
  EXPECT_EQ(Typed('n', 5), 29u);
  EXPECT_EQ(Typed('q', 0), 0u);
  EXPECT_EQ(MenuChar(cyrillicO, mainMenu), MNC_IGNORE);
  // On a Russian keyboard К and R share a key; "&RTF" comes first in the table.
  EXPECT_EQ(Typed(0xEA, 5), 18u);
  EXPECT_EQ(Typed('r', 5), 34u);
  BYTE keyOfO = LOBYTE(VkKeyScanA(static_cast<char>(cyrillicO)));  // the same key in another layout
  if (keyOfO != 0xFF) {
    EXPECT_EQ(Typed(static_cast<BYTE>(MapVirtualKeyA(keyOfO, MAPVK_VK_TO_CHAR)), 0), 8u);
  }

  EnableMenuItem(mainMenu, 8, MF_BYCOMMAND | MF_GRAYED);
  EXPECT_EQ(Typed(cyrillicO, 0), 0u);
  EnableMenuItem(mainMenu, 8, MF_BYCOMMAND | MF_ENABLED);
  EXPECT_EQ(Typed('1', 0), 0u);  // an empty recent slot
  SetRecentList("60", {"C:\\a.txt", "C:\\b.txt"});
  EXPECT_EQ(Typed('1', 0), 901u);
  EXPECT_EQ(Typed('2', 0), 0u);
}

TEST_F(Menus, RecentFileLabelsShortenTheFileNameAndOnlyListedOnesTakeSpace) {
  const struct { const char* order; const char* path; const char* label; } cases[] = {
      {"3", "C:\\Docs\\ReadMe.TXT", "&0 Readme.txt"},
      {"0", "C:\\VeryLongFileName.txt", "&0 Verylongfile..."},
      {"0", "D:\\a\\Thirteen_.txt", "&0 Thirteen_.txt"},
      {"0", "C:NOTES.TXT", "&0 Notes.txt"},
      {"7", "C:\\\xCF\xD0\xC8\xC2\xC5\xD2.TXT", "&0 \xCF\xF0\xE8\xE2\xE5\xF2.txt"},  // ПРИВЕТ.TXT
      {"1", "", ""},
      {"1", "X", "&0 X"},
  };
  for (const auto& c : cases) {
    SetRecentList(c.order, {c.path});
    EXPECT_STREQ(RecentFileText(0).label, c.label) << c.path;
    EXPECT_STREQ(RecentFileText(0).path, c.path);
    EXPECT_STREQ(RecentFileText(1).label, "");
  }

  SetRecentList("41", {"C:\\one.txt", "C:\\two.htm"});
  int shown = 0;
  for (UINT command = 900; command < 910; ++command) {
    MEASUREITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = command;
    EXPECT_TRUE(MeasureMenuItem(&item));
    if (item.itemWidth == 0 && item.itemHeight == 0) continue;
    ++shown;
    EXPECT_GE(static_cast<int>(item.itemHeight), std::max(18, menuMetrics.iMenuHeight));
  }
  EXPECT_EQ(shown, 2);
}

constexpr int itemWidth = 160;
constexpr int itemHeight = 22;
constexpr COLORREF untouched = RGB(255, 0, 255);

// A memory picture of one menu item, first filled with `untouched`.
class ItemPicture {
 public:
  ItemPicture(UINT command, UINT state) {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, itemWidth, itemHeight);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, itemWidth, itemHeight};
    HBRUSH brush = CreateSolidBrush(untouched);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_MENU;
    item.itemID = command;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = dc_;
    item.rcItem = all;
    EXPECT_TRUE(DrawMenuItem(&item));
  }
  ~ItemPicture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // How many pixels of the columns [x0, x1) have `colour`.
  int Count(int x0, int x1, COLORREF colour) const {
    int count = 0;
    for (int x = x0; x < x1; ++x)
      for (int y = 0; y < itemHeight; ++y) count += At(x, y) == colour;
    return count;
  }
  bool Uniform(int x0, int x1, COLORREF colour) const { return Count(x0, x1, colour) == (x1 - x0) * itemHeight; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

// Whether the 16x16 image at `sourceX` of `strip` sits at (x, y) of the picture.
bool ShowsImage(const ItemPicture& picture, int x, int y, HBITMAP strip, int sourceX) {
  HDC source = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(source, strip);
  bool same = true;
  for (int dy = 0; dy < 16 && same; ++dy)
    for (int dx = 0; dx < 16 && same; ++dx) same = picture.At(x + dx, y + dy) == GetPixel(source, sourceX + dx, dy);
  SelectObject(source, old);
  DeleteDC(source);
  return same;
}

// The picture of each item: from the standard or the program's strip, none for an
// unchecked code page or a greyed item, nothing at all for an empty recent slot.
TEST_F(Menus, ItemsShowTheirImageOrNone) {
  const struct { UINT command, state; HBITMAP strip; int index; } items[] = {
      {16, ODS_SELECTED | ODS_CHECKED, programImages, 0}, {15, 0, stdImages, 14}, {22, 0, programImages, 6},
      {17, 0, nullptr, 0}, {3, ODS_GRAYED, nullptr, 0}};
  for (const auto& item : items) {
    ItemPicture picture(item.command, item.state);
    if (item.strip) {
      EXPECT_TRUE(ShowsImage(picture, 1, (itemHeight - 16) / 2, item.strip, 16 * item.index)) << item.command;
      EXPECT_TRUE(picture.Uniform(18, 19, untouched)) << "the gap between picture and text, " << item.command;
    } else {
      EXPECT_TRUE(picture.Uniform(0, menuTextIndent, GetSysColor(COLOR_MENU))) << item.command;
    }
  }
  ItemPicture selected(16, ODS_SELECTED | ODS_CHECKED);  // sunken: dark top left, light bottom right
  EXPECT_EQ(selected.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(selected.At(17, itemHeight - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(selected.At(19, 0), GetSysColor(COLOR_HIGHLIGHT));  // the text highlighted
  EXPECT_EQ(selected.At(itemWidth - 1, itemHeight - 1), GetSysColor(COLOR_HIGHLIGHT));
  ItemPicture grayed(3, ODS_GRAYED);  // embossed text: a light copy under the gray one
  EXPECT_GT(grayed.Count(menuTextIndent, itemWidth, GetSysColor(COLOR_BTNHIGHLIGHT)), 0);
  EXPECT_GT(grayed.Count(menuTextIndent, itemWidth, GetSysColor(COLOR_GRAYTEXT)), 0);
  EXPECT_TRUE(ItemPicture(905, ODS_SELECTED).Uniform(0, itemWidth, untouched));
}

}  // namespace
