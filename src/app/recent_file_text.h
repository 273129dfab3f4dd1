// The text of a recent-file menu item, from the recent-files list in the settings.
#pragma once
#include <string>

struct RecentFileEntry {
  std::wstring path;   // empty when the slot shows nothing
  std::wstring label;  // "&<slot> <file name>"; empty when the slot shows nothing
};

// The entry of menu item RecentFileCommand(slot), slot 0..9.
RecentFileEntry RecentFileText(int slot);
