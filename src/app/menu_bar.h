// The menu bar: eight pop-up menus built in code.
#pragma once
#include <windows.h>

constexpr int popupMenuCount = 8;

extern HMENU mainMenu;
extern HMENU popupMenus[popupMenuCount];  // by menu index, "&Файл" first

// Builds the bar and attaches it to the main window.
void BuildMenuBar();
