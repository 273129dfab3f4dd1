// Command::PageNumbers: counts the pages on the printer and asks whether to print
// page numbers; the answer sets `pageNumbersOn`, which the menu shows as a check mark.
#pragma once

// The count ended by the user in the printing box.
inline constexpr unsigned PageCountCancelled = 0xFFFFFFFF;

// The pages of the whole text on the chosen printer; 0 without a printer or
// while a print job runs, PageCountLimit when there are too many or the layout
// makes no progress, PageCountCancelled when the user cancelled.
unsigned CountPrintedPages();

void CountPagesAndAskNumbers();
