// The pictures of the toolbar, the menus and the status bar: one strip for
// each drawn size (the resource number is the size), 24 pictures in a row.
#pragma once
#include <windows.h>
#include <commctrl.h>

constexpr int standardPictureCount = 15;  // cut to print, then the program's own

// The 24 pictures at `size` pixels (16, 24, 32 or 48), their grey background
// transparent; null when the strip cannot be loaded.
HIMAGELIST LoadPictures(int size);
