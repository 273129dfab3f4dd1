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

TEST_F(MenuDrawing, SelectedCheckedItemShowsItsImageInASunkenFrame) {
  ItemPicture picture;
  picture.Draw(16, ODS_SELECTED | ODS_CHECKED);
  const int imageTop = (itemHeight - 16) / 2;
  EXPECT_TRUE(ShowsImage(picture, 1, imageTop, programImages, 0));
  EXPECT_EQ(picture.At(0, 0), GetSysColor(COLOR_BTNSHADOW));  // sunken: dark top left
  EXPECT_EQ(picture.At(17, itemHeight - 1), GetSysColor(COLOR_BTNHIGHLIGHT));
  EXPECT_TRUE(picture.Uniform(18, 19, untouched));  // the gap between picture and text
  EXPECT_EQ(picture.At(19, 0), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(picture.At(itemWidth - 1, itemHeight - 1), GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(MenuDrawing, ImagesComeFromTheStandardOrTheProgramStrip) {
  ItemPicture print;
  print.Draw(15, 0);
  EXPECT_TRUE(ShowsImage(print, 1, (itemHeight - 16) / 2, stdImages, 16 * 14));
  EXPECT_TRUE(print.Uniform(18, 19, untouched));
  ItemPicture rightAligned;
  rightAligned.Draw(22, 0);
  EXPECT_TRUE(ShowsImage(rightAligned, 1, (itemHeight - 16) / 2, programImages, 16 * 6));
}

TEST_F(MenuDrawing, UncheckedCodePageAndGrayedItemsHaveNoImage) {
  ItemPicture codePage;
  codePage.Draw(17, 0);
  EXPECT_TRUE(codePage.Uniform(0, menuTextIndent, GetSysColor(COLOR_MENU)));
  ItemPicture grayed;
  grayed.Draw(3, ODS_GRAYED);
  EXPECT_TRUE(grayed.Uniform(0, menuTextIndent, GetSysColor(COLOR_MENU)));
  bool highlight = false, gray = false;
  for (int x = menuTextIndent; x < itemWidth; ++x) {
    for (int y = 0; y < itemHeight; ++y) {
      highlight |= grayed.At(x, y) == GetSysColor(COLOR_BTNHIGHLIGHT);
      gray |= grayed.At(x, y) == GetSysColor(COLOR_GRAYTEXT);
    }
  }
  EXPECT_TRUE(highlight && gray) << "embossed text: a light copy under the gray one";
}

TEST_F(MenuDrawing, EmptyRecentSlotDrawsNothing) {
  ItemPicture picture;
  picture.Draw(905, ODS_SELECTED);
  EXPECT_TRUE(picture.Uniform(0, itemWidth, untouched));
}

}  // namespace
