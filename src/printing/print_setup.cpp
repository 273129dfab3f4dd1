#include "printing/print_setup.h"

#include <commdlg.h>

#include "base/globals.h"
#include "base/ui_texts.h"

HGLOBAL printerDevMode;
HGLOBAL printerDevNames;
RECT pageMargins;
bool pageNumbersOn;

void FreePrintSetup() {
  if (printerDevMode) GlobalFree(printerDevMode);
  if (printerDevNames) GlobalFree(printerDevNames);
  printerDevMode = nullptr;
  printerDevNames = nullptr;
}

void StorePrinter(HGLOBAL devMode, HGLOBAL devNames) {
  // The dialogs own the blocks they were given: they return them, or free
  // them and return new ones.
  printerDevMode = devMode;
  printerDevNames = devNames;
}

namespace {

HDC ChosenPrinterDC() {
  if (!printerDevMode || !printerDevNames) return nullptr;
  auto* names = static_cast<DEVNAMES*>(GlobalLock(printerDevNames));
  auto* mode = static_cast<DEVMODEW*>(GlobalLock(printerDevMode));
  HDC dc = nullptr;
  if (names && mode) {
    // The W dialogs fill DEVNAMES with UTF-16 names, the offsets counting characters.
    const auto* base = reinterpret_cast<const wchar_t*>(names);
    dc = CreateDCW(base + names->wDriverOffset, base + names->wDeviceOffset, nullptr, mode);
  }
  if (mode) GlobalUnlock(printerDevMode);
  if (names) GlobalUnlock(printerDevNames);
  return dc;
}

DWORD AskSystemForDefaultPrinter(PRINTDLGW& request) { return PrintDlgW(&request) ? 0 : CommDlgExtendedError(); }

// The answer of the last search for the default printer.
DWORD defaultPrinterError = 0;

}  // namespace

DefaultPrinterQuery askDefaultPrinter = AskSystemForDefaultPrinter;

HDC GetPrinterDC() {
  defaultPrinterError = 0;
  if (HDC dc = ChosenPrinterDC()) return dc;
  FreePrintSetup();
  PRINTDLGW request{};
  request.lStructSize = sizeof request;
  request.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
  defaultPrinterError = askDefaultPrinter(request);
  if (defaultPrinterError) return nullptr;
  printerDevMode = request.hDevMode;
  printerDevNames = request.hDevNames;
  return request.hDC;
}

bool NoPrinterInstalled() {
  return defaultPrinterError == PDERR_NODEFAULTPRN || defaultPrinterError == PDERR_NODEVICES;
}

HDC GetPrinterDCOrSay() {
  HDC dc = GetPrinterDC();
  if (!dc && NoPrinterInstalled()) {
    MessageBoxW(mainWindow, noPrinterText, programCaption, MB_ICONINFORMATION);
  }
  return dc;
}

RECT ToRect(const TwipRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

PageGeometry PageGeometryOf(HDC printer) {
  TwipRect margins{pageMargins.left, pageMargins.top, pageMargins.right, pageMargins.bottom};
  return ComputePageGeometry(GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT),
                             GetDeviceCaps(printer, LOGPIXELSX), GetDeviceCaps(printer, LOGPIXELSY), margins);
}

bool PageMetrics(HDC printer, RECT& page, RECT& print) {
  PageGeometry geometry = PageGeometryOf(printer);
  page = ToRect(geometry.page);
  print = ToRect(geometry.print);
  return geometry.verticalMargins;
}

void PageSetup() {
  PAGESETUPDLGW request{};
  request.lStructSize = sizeof request;
  request.hwndOwner = mainWindow;
  request.hDevMode = printerDevMode;
  request.hDevNames = printerDevNames;
  // The margins are kept in hundredths of a millimetre; without the flag a Windows
  // that measures in inches would hand back thousandths of an inch.
  request.Flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS;
  request.rtMargin = pageMargins;
  if (!PageSetupDlgW(&request)) return;
  StorePrinter(request.hDevMode, request.hDevNames);
  pageMargins = request.rtMargin;
}
