// What the parts below the app ask of the main window, which stands above them:
// messages it handles, so that the asking part needs no include of it.
#pragma once
#include <windows.h>

constexpr UINT caretMovedMessage = WM_USER + 1;  // posted when the caret may have moved

// Sent by the editor with the HDROP of files dropped on it: returns TRUE when
// the first file was opened (after the save-changes question) and the drop finished.
constexpr UINT openDroppedFileMessage = WM_USER + 2;

// Sent by the editor and the status bar: pops up a menu of the menu bar at the
// screen point in lParam (as GetMessagePos gives it).
enum class ContextMenu : WPARAM { Edit, CodePage };
constexpr UINT contextMenuMessage = WM_USER + 3;

// Sent when the recent-files list changed: its menu items are measured again.
constexpr UINT recentFilesChangedMessage = WM_USER + 4;

// Asks for the children to be laid out again once the queue reaches it: after
// a bar came or went.
void PostLayout();
