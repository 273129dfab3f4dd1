// The buttons the toolbar knows: the seven of a first run and the 33 that its
// customisation dialog offers. Image numbers 0-14 are the common controls'
// standard pictures, 15-23 the program's own strip.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "base/commands.h"

constexpr int offeredButtonCount = 33;
constexpr int programFirstImage = 15;

// Item `item` of the customisation list; false past its end.
bool OfferedButton(int item, TBBUTTON* button);

// The offered button that sends `command`; false for a command never offered.
bool ButtonForCommand(Command command, TBBUTTON* button);

// The first-run arrangement: three groups split by separators.
void AddDefaultButtons(HWND toolbar);
