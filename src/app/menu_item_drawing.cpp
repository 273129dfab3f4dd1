#include "app/menu_item_drawing.h"

#include <string>

#include "app/menu_bar.h"
#include "app/recent_file_text.h"
#include "base/command_captions.h"
#include "base/commands.h"
#include "base/display_scale.h"
#include "base/globals.h"
#include "base/pictures.h"
#include "base/view_code_pages.h"

namespace {

// At 96 dpi: the picture, its frame and the text's shift past the picture column.
constexpr int imageSize = 16;
constexpr int imageColumn = 18;
constexpr int imageGap = 19;

int Dpi(int pixels) { return Scaled(pixels, windowDpi); }
int PictureSizeNow() { return PictureSize(imageSize, windowDpi); }
constexpr Command firstProgramImage = Command::ViewAnsi;  // the first pictured from the program's own strip
constexpr Command lastImageCommand = Command::AlignRight;
constexpr UINT textFormat = DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;

struct ItemText {
  std::wstring text;
  HICON icon;
};

bool EndsWith(const std::wstring& path, const wchar_t* suffix) {
  const std::size_t suffixLength = std::wstring_view(suffix).size();
  return path.size() >= suffixLength && lstrcmpiW(path.c_str() + path.size() - suffixLength, suffix) == 0;
}

HICON RecentFileIcon(const std::wstring& path) {
  if (EndsWith(path, L".htm") || EndsWith(path, L".html")) return webIconSmall;
  if (EndsWith(path, L".txt")) return appIconSmall;
  return nullptr;
}

ItemText TextOf(Command command) {
  ItemText item = {};
  int recentSlot = RecentSlot(command);
  if (recentSlot >= 0) {
    RecentFileEntry entry = RecentFileText(recentSlot);
    item.text = entry.label;
    if (!item.text.empty()) item.icon = RecentFileIcon(entry.path);
    return item;
  }
  item.text = CommandCaption(command);
  if (command == Command::About) item.icon = appIconSmall;
  if (command == Command::HomePage || command == Command::MailAddress) item.icon = webIconSmall;
  return item;
}

// The view code pages and the recodings show their picture only as the checked one.
bool PictureOnlyWhenChecked(Command command) {
  return (command >= Command::ViewAnsi && command <= Command::ViewKoi8) || command == Command::ViewUtf8 ||
         (command >= Command::RecodeToAnsi && command <= Command::RecodeToKoi8);
}

bool HasPicture(Command command) { return command <= lastImageCommand || command == Command::ViewUtf8; }

void CopyImage(HDC target, int x, int y, Command command) {
  bool standard = command < firstProgramImage;
  int index = standard ? Id(command) - Id(Command::Cut) : standardPictureCount + Id(command) - Id(firstProgramImage);
  if (command == Command::ViewUtf8) index = standardPictureCount + viewImages[ViewIndex(Utf8)];
  if (menuPictures) ImageList_Draw(menuPictures, index, target, x, y, ILD_TRANSPARENT);
}

void DrawCaption(HDC dc, RECT textRect, const std::wstring& text, COLORREF colour, bool embossed) {
  HGDIOBJ oldFont = SelectObject(dc, menuFont);
  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = GetTextColor(dc);
  if (embossed) {
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT shadow = textRect;
    OffsetRect(&shadow, 1, 1);
    DrawTextW(dc, text.c_str(), -1, &shadow, textFormat);
  }
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), -1, &textRect, textFormat);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

}  // namespace

BOOL MeasureMenuItem(MEASUREITEMSTRUCT* item) {
  ItemText text = TextOf(CommandFrom(static_cast<int>(item->itemID)));
  item->itemWidth = 0;
  item->itemHeight = 0;
  if (text.text.empty()) return TRUE;
  HDC screen = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(screen, menuFont);
  RECT bounds = {0, 0, 0, 0};
  DrawTextW(screen, text.text.c_str(), -1, &bounds, DT_CALCRECT | textFormat);
  SelectObject(screen, oldFont);
  ReleaseDC(nullptr, screen);
  int height = bounds.bottom - bounds.top;
  const int column = PictureSizeNow() + Dpi(imageColumn - imageSize);
  if (height < column) height = column;
  if (height < menuMetrics.iMenuHeight) height = menuMetrics.iMenuHeight;
  item->itemWidth = static_cast<UINT>(bounds.right - bounds.left + column);
  item->itemHeight = static_cast<UINT>(height);
  return TRUE;
}

BOOL DrawMenuItem(const DRAWITEMSTRUCT* item) {
  Command command = CommandFrom(static_cast<int>(item->itemID));
  ItemText text = TextOf(command);
  if (text.text.empty()) return TRUE;
  HDC dc = item->hDC;
  const RECT& bounds = item->rcItem;
  bool grayed = item->itemState & ODS_GRAYED;
  bool checked = item->itemState & ODS_CHECKED;
  bool selected = item->itemState & ODS_SELECTED;
  bool hasImage = !grayed && (checked || !PictureOnlyWhenChecked(command)) &&
                  (text.icon || HasPicture(command));

  const int size = PictureSizeNow();
  const int gap = size + Dpi(imageGap - imageSize);
  RECT textRect = bounds;
  if (hasImage) textRect.left += gap;
  RECT imageRect = {bounds.left, bounds.top, bounds.left + size + Dpi(imageColumn - imageSize), bounds.bottom};
  COLORREF colour;
  if (selected) {
    colour = GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_HIGHLIGHTTEXT);
    if (hasImage) DrawEdge(dc, &imageRect, checked ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    FillRect(dc, &textRect, GetSysColorBrush(COLOR_HIGHLIGHT));
  } else {
    colour = GetSysColor(grayed ? COLOR_GRAYTEXT : COLOR_MENUTEXT);
    if (hasImage) DrawEdge(dc, &imageRect, BDR_RAISEDINNER, BF_RECT | BF_FLAT);
    FillRect(dc, &textRect, GetSysColorBrush(COLOR_MENU));
  }
  textRect.left += Dpi(2);

  int imageTop = (bounds.top + bounds.bottom - size) / 2;
  if (text.icon) {
    DrawIconEx(dc, bounds.left, imageTop, text.icon, size, size, 0, nullptr, DI_NORMAL);
  } else if (hasImage) {
    CopyImage(dc, bounds.left + Dpi(1), imageTop, command);
  }
  if (command == Command::PageNumbers || command == Command::WordWrap) {
    InflateRect(&imageRect, -Dpi(2), -Dpi(2));
    DrawFrameControl(dc, &imageRect, DFC_BUTTON, checked ? DFCS_CHECKED : 0);
    hasImage = false;
  }
  if (!hasImage) textRect.left += gap;
  DrawCaption(dc, textRect, text.text, colour, grayed && !selected);
  return TRUE;
}
