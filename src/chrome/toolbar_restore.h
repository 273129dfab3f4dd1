// A restore of the toolbar's stored arrangement, button by button.
#pragma once
#include <windows.h>
#include <commctrl.h>

// TBN_RESTORE of one stored button: gives it back its picture and style, or
// notes a command the program never offers.
void RestoreButton(NMTBRESTORE* restore);

// Around a restore: whether it held a command the program never offers.
void StartRestoreCheck();
bool RestoreWasDamaged();
