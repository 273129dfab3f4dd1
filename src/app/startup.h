// The process from its first instruction to its exit code.
#pragma once
#include <windows.h>

// The show command the caller asked for: SW_SHOWDEFAULT unless it named one.
int StartupShowCommand();

// Start-up, message loop and clean-up; returns the exit code: the WM_QUIT
// code, or 255 when another instance shows the file or a class is missing.
int RunZorn2(HINSTANCE instance);
