// Which pages a print job prints, how often and in what order, and the page
// count: the stepping through a range page by page, apart from the device.
#pragma once
#include <cstdint>
#include <functional>

using PagePosition = std::int64_t;

// Formats the page starting at a position and returns where the next begins.
using FormatPage = std::function<PagePosition(PagePosition)>;

// Counting stops here: a text this long is reported as an error.
inline constexpr unsigned PageCountLimit = 512;

// Pages from 0 to `end`, counting the empty text as one page; a page
// that makes no progress counts as reaching the limit.
unsigned CountPages(PagePosition end, const FormatPage& format);

// The Print dialog's answer as far as the order of pages goes.
struct PrintChoice {
  unsigned copies = 1;
  bool collate = false;
  bool pageRange = false;  // pages fromPage..toPage only
  unsigned fromPage = 1;
  unsigned toPage = 0xFFFF;
};

struct PrintRun {
  unsigned passes = 1;         // the whole range this many times (collated copies)
  unsigned copiesPerPage = 1;  // each page this many times in a row (uncollated)
  unsigned fromPage = 1;       // pages before it are formatted but not printed
  unsigned toPage = 0xFFFF;    // formatting stops after it
};

PrintRun PlanPrintRun(const PrintChoice& choice);

// Prints one copy of a page; false stops the job (cancelled, or the printer failed).
using PrintPage = std::function<bool(unsigned pageNumber)>;

// Runs the whole job over [start, end): formats page after page, numbering them
// from 1 in each pass, and calls print(pageNumber) for each printed copy of
// each page in the run's range. A page that makes no progress ends the job;
// false when print stopped it.
bool RunPrintJob(const PrintRun& run, PagePosition start, PagePosition end, const FormatPage& format,
                 const PrintPage& print);
