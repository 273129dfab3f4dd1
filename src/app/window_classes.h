// The two window classes and the windows made of them.
#pragma once
#include <windows.h>

// Registers "Zorn2 - ZovaV", loads the icons and registers "ZORN2". False when
// a class cannot be registered (the process then ends with code 255).
bool RegisterWindowClasses(HINSTANCE instance);

// Creates the main window titled "[<untitled>]-ZORN2" and its hidden marker child.
bool CreateMainWindow(HINSTANCE instance);
