// Keyboard mnemonics of the owner-drawn items (WM_MENUCHAR).
#pragma once
#include <windows.h>

// Chooses the first item of `menu` whose mnemonic is `character` (or, failing
// that, lies on the same key in the current layout): answers MNC_EXECUTE with its
// position, so the menu closes and then posts its command; MNC_IGNORE (0) when no
// enabled item matches. A command run inside the menu's loop could open a dialog
// under the open popup or destroy the menu's owner.
LRESULT MenuChar(WORD character, HMENU menu);
