// The toolbar at the top of the main window: flat, customisable, its
// arrangement kept in the setting "TBS".
#pragma once
#include <windows.h>

extern HWND toolbarWindow;    // null while the toolbar is off
extern HBITMAP toolbarImages;  // the program's image strip given to the toolbar

// Builds the toolbar from the stored arrangement, or the first-run one when
// nothing usable is stored. Pictures are 24 pixels when `bigButtons` is set.
void CreateToolbar();
void DestroyToolbar();

// Command::CustomizeToolbar: a toolbar (made now if there is none, whatever the option says)
// and its customisation dialog.
void CustomizeToolbar();

// Writes the arrangement to "TBS", or puts the stored one back.
void SaveToolbar();
void RestoreToolbar();
