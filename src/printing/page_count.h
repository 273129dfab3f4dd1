// Command::PageNumbers: counts the pages on the printer and asks whether to print
// page numbers; the answer sets `pageNumbersOn`, which the menu shows as a check mark.
#pragma once

// The pages of the whole text on the chosen printer; 0 without a printer,
// PageCountLimit when there are too many or the layout makes no progress.
unsigned CountPrintedPages();

void CountPagesAndAskNumbers();
