// Command::Print: printing the document, its selection or a range of its pages
// through the system's Print dialog; also run by the /p switch at start-up.
#pragma once
#include <windows.h>

#include "printing/page_sequence.h"

void PrintDocument();

// Prints [start, end) of the document on `printer` as one job, with the printing
// box up: true when every page reached the spooler; false when the user cancelled,
// the printer refused a page (the job is then taken off the queue) or a job
// already runs.
bool PrintPagesOn(HDC printer, const PrintRun& run, PagePosition start, PagePosition end, bool toFile);

// How each printed page is ended: EndPage, or what a test puts in its place.
using PageEnd = int(WINAPI*)(HDC);
extern PageEnd endPrinterPage;
