// The text of a recent-file menu item, from the recent-files list in the settings.
#pragma once
#include <windows.h>

struct RecentFileEntry {
  char path[MAX_PATH];  // empty when the slot shows nothing
  char label[32];       // "&<slot> <file name>"; empty when the slot shows nothing
};

// The entry of menu item RecentFileCommand(slot), slot 0..9.
RecentFileEntry RecentFileText(int slot);
