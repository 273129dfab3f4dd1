// The main window's remembered placement.
#pragma once

// Applies the stored placement to the main window; its show command replaces
// `showCommand`. Nothing when none is stored or it cannot be read.
void RestoreWindowPlacement(int* showCommand);

// Stores the main window's placement as it is now.
void SaveWindowPlacement();
