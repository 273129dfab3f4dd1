// The printing state shared by page setup, preview and printing; it lasts for one run.
#pragma once
#include <windows.h>

extern HGLOBAL printerDevMode;   // DEVMODE of the last print or page-setup dialog; null = none
extern HGLOBAL printerDevNames;  // DEVNAMES of the chosen printer; null = none
extern RECT pageMargins;         // in the page-setup dialog's units
extern bool pageNumbersOn;

// Frees the two blocks of the chosen printer.
void FreePrintSetup();
