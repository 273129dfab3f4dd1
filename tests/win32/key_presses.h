// Keys as the message loop delivers them to the focused editor: posted, then
// translated and dispatched, with the modifiers held in the thread's key state.
#pragma once
#include <windows.h>

constexpr int Plain = 0, Shift = 1, Ctrl = 2, Alt = 4;

struct KeyPress {
  WORD key;
  int modifiers;
};

// Down and up, and every message they cause. A menu that Alt and a letter
// open is closed by a timer, as a user pressing Escape would.
void Press(HWND window, KeyPress press);

// The modifiers held from now on (Plain releases them), no mouse button held.
void HoldModifiers(int modifiers);

// Runs what is queued, as the program's loop does.
void PumpMessages();
