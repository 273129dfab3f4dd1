#include <string>

#include "app/globals.h"
#include "app/menu_bar.h"
#include "app/menu_item_drawing.h"
#include "app/recent_file_text.h"
#include "menu_fixture.h"

namespace {

class MenuDrawing : public MenuWindows {};

constexpr int itemWidth = 160;
constexpr int itemHeight = 22;
constexpr COLORREF untouched = RGB(255, 0, 255);

// A memory picture of one menu item, first filled with `untouched`.
class ItemPicture {
 public:
  ItemPicture() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, itemWidth, itemHeight);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    RECT all = {0, 0, itemWidth, itemHeight};
    HBRUSH brush = CreateSolidBrush(untouched);
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
  }
  ~ItemPicture() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  void Draw(UINT command, UINT state) {
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = command;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hDC = dc_;
    item.rcItem = {0, 0, itemWidth, itemHeight};
    EXPECT_TRUE(DrawMenuItem(&item));
  }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }
  // True when every pixel of the column range [x0, x1) has `colour`.
  bool Uniform(int x0, int x1, COLORREF colour) const {
    for (int x = x0; x < x1; ++x)
      for (int y = 0; y < itemHeight; ++y)
        if (At(x, y) != colour) return false;
    return true;
  }

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

MEASUREITEMSTRUCT Measured(UINT command) {
  MEASUREITEMSTRUCT item = {};
  item.CtlType = ODT_MENU;
  item.itemID = command;
  item.itemWidth = 999;
  item.itemHeight = 999;
  EXPECT_TRUE(MeasureMenuItem(&item));
  return item;
}

TEST_F(MenuDrawing, RecentFileLabelsShortenTheFileName) {
  SetRecentList("3", {"C:\\Docs\\ReadMe.TXT"});
  EXPECT_STREQ(RecentFileText(0).label, "&0 Readme.txt");
  EXPECT_STREQ(RecentFileText(0).path, "C:\\Docs\\ReadMe.TXT");
  EXPECT_STREQ(RecentFileText(1).label, "");
  SetRecentList("0", {"C:\\VeryLongFileName.txt"});
  EXPECT_STREQ(RecentFileText(0).label, "&0 Verylongfile...");
  SetRecentList("05", {"D:\\a\\Thirteen_.txt", "C:NOTES.TXT"});
  EXPECT_STREQ(RecentFileText(0).label, "&0 Thirteen_.txt");
  EXPECT_STREQ(RecentFileText(1).label, "&1 Notes.txt");
  SetRecentList("7", {"C:\\\xCF\xD0\xC8\xC2\xC5\xD2.TXT"});  // ПРИВЕТ.TXT
  EXPECT_STREQ(RecentFileText(0).label, "&0 \xCF\xF0\xE8\xE2\xE5\xF2.txt");
  SetRecentList("12", {"", "X"});
  EXPECT_STREQ(RecentFileText(0).label, "");
  EXPECT_STREQ(RecentFileText(1).label, "&1 X");
}

TEST_F(MenuDrawing, OnlyListedRecentFilesTakeSpace) {
  SetRecentList("41", {"C:\\one.txt", "C:\\two.htm"});
  int shown = 0;
  for (UINT command = 900; command < 910; ++command) {
    MEASUREITEMSTRUCT item = Measured(command);
    if (item.itemWidth == 0 && item.itemHeight == 0) continue;
    ++shown;
    EXPECT_GE(item.itemHeight, 18u);
    EXPECT_GE(static_cast<int>(item.itemHeight), menuMetrics.iMenuHeight);
  }
  EXPECT_EQ(shown, 2);
  EXPECT_GT(Measured(10).itemWidth, Measured(13).itemWidth + 18);  // the longer caption is wider
}

// The picture of each item: from the standard or the program's strip, none for an
// unchecked code page or a greyed item, nothing at all for an empty recent slot.
TEST_F(MenuDrawing, ItemsShowTheirImageOrNone) {
  const int imageTop = (itemHeight - 16) / 2;
  const struct { UINT command, state; HBITMAP strip; int index; } items[] = {
      {16, ODS_SELECTED | ODS_CHECKED, programImages, 0}, {15, 0, stdImages, 14}, {22, 0, programImages, 6},
      {17, 0, nullptr, 0}, {3, ODS_GRAYED, nullptr, 0}};
  for (const auto& item : items) {
    ItemPicture picture;
    picture.Draw(item.command, item.state);
    if (item.strip) {
      EXPECT_TRUE(ShowsImage(picture, 1, imageTop, item.strip, 16 * item.index)) << item.command;
      EXPECT_TRUE(picture.Uniform(18, 19, untouched)) << "the gap between picture and text, " << item.command;
    } else {
      EXPECT_TRUE(picture.Uniform(0, menuTextIndent, GetSysColor(COLOR_MENU))) << item.command;
    }
  }
  ItemPicture selected;  // sunken: dark top left, light bottom right; the text highlighted
  selected.Draw(16, ODS_SELECTED | ODS_CHECKED);
  EXPECT_EQ(selected.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(selected.At(17, itemHeight - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_EQ(selected.At(19, 0), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(selected.At(itemWidth - 1, itemHeight - 1), GetSysColor(COLOR_HIGHLIGHT));
  ItemPicture grayed;
  grayed.Draw(3, ODS_GRAYED);
  bool highlight = false, gray = false;
  for (int x = menuTextIndent; x < itemWidth; ++x) {
    for (int y = 0; y < itemHeight; ++y) {
      highlight |= grayed.At(x, y) == GetSysColor(COLOR_BTNHIGHLIGHT);
      gray |= grayed.At(x, y) == GetSysColor(COLOR_GRAYTEXT);
    }
  }
  EXPECT_TRUE(highlight && gray) << "embossed text: a light copy under the gray one";
  ItemPicture empty;
  empty.Draw(905, ODS_SELECTED);
  EXPECT_TRUE(empty.Uniform(0, itemWidth, untouched));
}

}  // namespace
