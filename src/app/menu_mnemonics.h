// Keyboard mnemonics of the owner-drawn items (WM_MENUCHAR).
#pragma once
#include <windows.h>

// Runs the command of the first item of `menu` whose mnemonic is `character`
// (or, failing that, lies on the same key in the current layout) and answers
// MNC_CLOSE; MNC_IGNORE (0) when no enabled item matches.
LRESULT MenuChar(WORD character, HMENU menu);
