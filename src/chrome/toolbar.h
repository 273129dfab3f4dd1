// The toolbar at the top of the main window: flat, customisable, its
// arrangement kept in the setting "TBS".
#pragma once
#include <windows.h>
#include <commctrl.h>

extern HWND toolbarWindow;    // null while the toolbar is off
extern HIMAGELIST toolbarPictures;  // the pictures the toolbar shows, at its size

// The toolbar's picture size: the largest drawn one not above 16 pixels at 96
// dpi, 24 with `bigButtons`, at `dpi`.
int ToolbarPictureSize(int dpi);

// Builds the toolbar from the stored arrangement, or the first-run one when
// nothing usable is stored.
void CreateToolbar();
// Pictures and padding again for windowDpi or the button size.
void ScaleToolbar();
void DestroyToolbar();

// Command::CustomizeToolbar: a toolbar (made now if there is none, whatever the option says)
// and its customisation dialog.
void CustomizeToolbar();

// Writes the arrangement to "TBS", or puts the stored one back.
void SaveToolbar();
void RestoreToolbar();
