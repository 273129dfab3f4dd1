// Greys the menu items that cannot act right now and checks those whose state
// is on, each time a menu opens.
#pragma once

// Save, Undo, Paste, Copy, Cut and Delete enabled or greyed; the view code
// page, word wrap and page numbers checked or not.
void EnableMenuItems();
