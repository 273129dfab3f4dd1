// The About box.
#pragma once
#include <windows.h>

// The shell's About box with the program's name, tagline, author and icon.
void ShowAboutBox(HWND owner);
