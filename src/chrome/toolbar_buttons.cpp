#include "chrome/toolbar_buttons.h"

#include <initializer_list>

namespace {

struct OfferedItem {
  int command;
  int image;
  bool check;
};

// Command 5 has no caption: the "insert from" command takes its place.
constexpr OfferedItem offeredItems[offeredButtonCount] = {
    {1, 0, false},   {2, 1, false},   {3, 2, false},   {4, 3, false},   {38, 7, false},  {6, 5, false},
    {7, 6, false},   {8, 7, false},   {9, 8, false},   {10, 9, false},  {11, 10, false}, {12, 11, false},
    {13, 12, false}, {14, 13, false}, {15, 14, false}, {29, 15, false}, {30, 16, false}, {31, 17, false},
    {19, 18, false}, {20, 19, false}, {21, 20, false}, {22, 21, false}, {23, 10, false}, {24, 10, false},
    {25, 10, true},  {26, 8, false},  {37, 10, false}, {32, 22, false}, {33, 22, false}, {34, 22, false},
    {35, 22, false}, {36, 22, false},
};

TBBUTTON MakeButton(const OfferedItem& item) {
  TBBUTTON button{};
  button.iBitmap = item.image;
  button.idCommand = item.command;
  button.fsState = TBSTATE_ENABLED;
  button.fsStyle = item.check ? TBSTYLE_CHECK : TBSTYLE_BUTTON;
  return button;
}

TBBUTTON Separator() {
  TBBUTTON button{};
  button.fsStyle = TBSTYLE_SEP;
  return button;
}

}  // namespace

bool OfferedButton(int item, TBBUTTON* button) {
  if (item < 0 || item >= offeredButtonCount) return false;
  *button = MakeButton(offeredItems[item]);
  return true;
}

bool ButtonForCommand(int command, TBBUTTON* button) {
  for (const OfferedItem& item : offeredItems) {
    if (item.command != command) continue;
    *button = MakeButton(item);
    return true;
  }
  return false;
}

void AddDefaultButtons(HWND toolbar) {
  // New, Open, Save | Cut, Copy, Paste | Undo: each shows the picture of its command.
  for (int command : {7, 8, 9, 0, 1, 2, 3, 0, 4}) {
    TBBUTTON button = Separator();
    if (command) ButtonForCommand(command, &button);
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
  }
}
