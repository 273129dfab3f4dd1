#include "chrome/toolbar_buttons.h"

#include <initializer_list>

namespace {

using enum Command;

struct OfferedItem {
  Command command;
  int image;
  bool check;
};

// Command 5 has no caption: the "insert from" command takes its place.
constexpr OfferedItem offeredItems[offeredButtonCount] = {
    {Cut, 0, false},           {Copy, 1, false},          {Paste, 2, false},
    {Undo, 3, false},          {InsertFrom, 7, false},    {Delete, 5, false},
    {New, 6, false},           {Open, 7, false},          {Save, 8, false},
    {PrintPreview, 9, false},  {CharacterTable, 10, false}, {Help, 11, false},
    {Find, 12, false},         {Replace, 13, false},      {Print, 14, false},
    {RecodeToAnsi, 15, false}, {RecodeToOem, 16, false},  {RecodeToKoi8, 17, false},
    {Justify, 18, false},      {Centre, 19, false},       {AlignLeft, 20, false},
    {AlignRight, 21, false},   {PageNumbers, 10, false},  {PageSetup, 10, false},
    {WordWrap, 10, true},      {SaveAs, 8, false},        {Options, 10, false},
    {Fido, 22, false},         {Translit, 22, false},     {RtfToAnsi, 22, false},
    {EqualsEscapes, 22, false}, {LineBreak, 22, false},   {ViewUtf8, programFirstImage + viewImages[3], false},
};

TBBUTTON MakeButton(const OfferedItem& item) {
  TBBUTTON button{};
  button.iBitmap = item.image;
  button.idCommand = Id(item.command);
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

bool ButtonForCommand(Command command, TBBUTTON* button) {
  for (const OfferedItem& item : offeredItems) {
    if (item.command != command) continue;
    *button = MakeButton(item);
    return true;
  }
  return false;
}

void AddDefaultButtons(HWND toolbar) {
  // New, Open, Save | Cut, Copy, Paste | Undo: each shows the picture of its command.
  constexpr Command separator{};
  for (Command command : {New, Open, Save, separator, Cut, Copy, Paste, separator, Undo}) {
    TBBUTTON button = Separator();
    if (command != separator) ButtonForCommand(command, &button);
    SendMessageW(toolbar, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
  }
}
