#include "printing/print_setup.h"

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
