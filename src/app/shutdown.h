// What the process gives back when it ends.
#pragma once

// On the main window's WM_DESTROY: the print setup, the editor, the undo
// journal and the pop-up menus.
void ReleaseResources();

// After the message loop: the global bitmaps and the menu font.
void ReleaseGdiObjects();
