// Typed characters: the undo step of each, and the byte it becomes in the
// view code page, through the program's own tables; in the UTF-8 view, its
// UTF-8 bytes. A character arrives as Unicode (WM_UNICHAR, which the message
// loop makes of every typed character beyond ASCII), or as a byte of the
// system's code page from a program that posts ANSI characters.
#pragma once
#include <windows.h>

// Records the character's step and returns the code to pass on to the
// control; false when the character was already put in here, or must not go
// in at all (a line break or tab spelt with Ctrl and a letter).
bool PrepareTypedCharacter(HWND window, WPARAM& code, LPARAM keyData);

// Puts a typed Unicode character in, with its step; one the view code page
// lacks is refused with the system's beep.
void TypeCharacter(HWND window, char32_t character, LPARAM keyData);
