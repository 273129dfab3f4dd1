// Start-up of the process: window classes, the main and marker windows, the loop.
#pragma once
#include <windows.h>

// Registers both window classes and loads the icons. False when a class
// cannot be registered (the process then ends with code 255).
bool RegisterWindowClasses(HINSTANCE instance);

// Creates the main window titled "[<untitled>]-ZORN2" and its hidden marker child.
bool CreateMainWindow(HINSTANCE instance);

// The plain message loop; returns the wParam of WM_QUIT.
int RunMessageLoop();

// The whole process from start-up to the exit code.
int RunZorn2(HINSTANCE instance, int showCommand);
