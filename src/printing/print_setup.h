// The printing state shared by page setup, preview and printing; it lasts for
// one run. Pages are always laid out against the printer's device context.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include "printing/page_geometry.h"

extern HGLOBAL printerDevMode;   // DEVMODE of the last print or page-setup dialog; null = none
extern HGLOBAL printerDevNames;  // DEVNAMES of the chosen printer; null = none
extern RECT pageMargins;         // in the page-setup dialog's units
extern bool pageNumbersOn;

// Frees the two blocks of the chosen printer.
void FreePrintSetup();
// Makes the printer a Print or Page Setup dialog returned the chosen one.
void StorePrinter(HGLOBAL devMode, HGLOBAL devNames);

// A device context of the chosen printer, or of the system's default printer
// when none is chosen or the chosen one cannot be opened; null when there is
// no printer. The caller deletes it.
HDC GetPrinterDC();
// The same; where no printer is installed at all, a box says so first.
HDC GetPrinterDCOrSay();
// True when the last GetPrinterDC found no printer installed at all.
bool NoPrinterInstalled();

// How the system's default printer is asked for: PrintDlgA with
// PD_RETURNDEFAULT, answering 0 or its CommDlgExtendedError.
using DefaultPrinterQuery = DWORD (*)(PRINTDLGW& request);
extern DefaultPrinterQuery askDefaultPrinter;

// The page and print rectangles of `printer` in twips; true when the top and
// bottom margins were applied (there is room for page numbers).
bool PageMetrics(HDC printer, RECT& page, RECT& print);
PageGeometry PageGeometryOf(HDC printer);

RECT ToRect(const TwipRect& rect);

// Command::PageSetup: the system's page-setup dialog for printer and margins.
void PageSetup();
