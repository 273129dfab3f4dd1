// Typed characters: the undo step of each, and the byte it becomes in the
// view code page (the keyboard gives Windows-1251 codes); in the UTF-8 view,
// the bytes.
#pragma once
#include <windows.h>

// Records the character's step and returns the code to pass on to the
// control; false when the character was already put in here, or must not go
// in at all (a line break or tab spelt with Ctrl and a letter).
bool PrepareTypedCharacter(HWND window, WPARAM& code, LPARAM keyData);
