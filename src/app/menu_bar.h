// The menu bar: eight pop-up menus built in code, every item owner-drawn.
#pragma once
#include <windows.h>

#include <cstdint>

#include "base/command_captions.h"
#include "base/window_messages.h"

extern HMENU mainMenu;
extern HMENU popupMenus[popupMenuCount];  // by menu index, "&Файл" first
constexpr int editMenuIndex = 1;          // "&Правка", also the editor's context menu
constexpr int codePageMenuIndex = 5;      // "&Кодировки", also under the status bar's code-page pane

// One keyboard mnemonic of an owner-drawn item, which the system does not
// handle for such items.
struct MnemonicRecord {
  BYTE menu;  // menu index
  wchar_t character;
  uint32_t command;
};
constexpr int mnemonicCapacity = 80;
extern MnemonicRecord mnemonicTable[mnemonicCapacity];  // in insertion order
extern BYTE mnemonicCount;

// Builds the bar and the mnemonic table and attaches the bar to the main window.
void BuildMenuBar();

// Makes the system measure and draw the ten recent-file items again.
void RefreshRecentItems();

// Makes the system measure every owner-drawn item again when next shown: after
// a change of the menu font, the theme or the DPI.
void RemeasureMenuItems();

// The menu a part below asked for (contextMenuMessage), where the mouse is.
void ShowContextMenu(ContextMenu menu, LPARAM screenPoint);
