#include "printing/page_sequence.h"

#include <algorithm>

unsigned CountPages(PagePosition end, const FormatPage& format) {
  PagePosition position = 0;
  unsigned count = 0;
  do {
    PagePosition next = format(position);
    ++count;
    if (next <= position && position < end) return PageCountLimit;
    position = next;
  } while (position < end && count < PageCountLimit);
  return count;
}

PrintRun PlanPrintRun(const PrintChoice& choice) {
  PrintRun run;
  unsigned copies = std::max(1u, choice.copies);
  if (choice.collate) {
    run.passes = copies;
  } else {
    run.copiesPerPage = copies;
  }
  if (choice.pageRange) {
    run.fromPage = choice.fromPage;
    run.toPage = choice.toPage;
  }
  return run;
}

bool RunPrintJob(const PrintRun& run, PagePosition start, PagePosition end, const FormatPage& format,
                 const PrintPage& print) {
  for (unsigned pass = 0; pass < run.passes; ++pass) {
    PagePosition position = start;
    unsigned page = 1;
    do {
      PagePosition next = format(position);
      // Nothing fits on a page (a print area below one line): printing on
      // would only give blank pages up to the end of the range.
      if (next <= position && position < end) return true;
      if (page >= run.fromPage) {
        for (unsigned copy = 0; copy < run.copiesPerPage; ++copy) {
          if (!print(page)) return false;
        }
      }
      position = next;
      ++page;
    } while (position < end && page <= run.toPage);
  }
  return true;
}
