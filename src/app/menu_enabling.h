// Greys the menu items that cannot act right now, each time a menu opens.
#pragma once

// Save, Undo, Paste, Copy, Cut and Delete, on the menu bar's pop-ups.
void EnableMenuItems();
