// Pages of a printout: rows cut into pages, the page count, which pages a job
// prints in which order, and the print rectangle.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "control/page_layout.h"
#include "printing/page_geometry.h"
#include "printing/page_sequence.h"
#include "unit_rows.h"

namespace {

// The printed pages of a text whose bytes are each one pixel wide.
struct Printout : Document {
  using Document::Document;
  // The printed text of every page of [start, end), pages of `rows` rows `width` wide.
  std::vector<std::string> Pages(int width, int rows, Position start = 0, Position end = -1) const {
    RowLayout layout = Layout(width);
    if (end < 0) end = engine.GetLength();
    std::vector<std::string> pages;
    for (Position at = start;;) {
      PageSpan page = LayOutPage(layout, at, end, rows);
      std::string text;
      ForEachPageRow(layout, page, [&](int, Position from, Position to, Position) {
        text += engine.GetTextRange({from, to}) + "|";
      });
      pages.push_back(text);
      if (page.end <= at || page.end >= end) break;
      at = page.end;
    }
    return pages;
  }
};

TEST(PageLayout, CutsWrappedRowsIntoPagesAndARangeStartsAndEndsInsideLines) {
  Printout doc("one two three\r\nfour\r\nfive six\r\n");
  EXPECT_EQ(doc.Pages(8, 2), (std::vector<std::string>{"one two |three|", "four|five six|"}));
  EXPECT_EQ(doc.Pages(100, 5), (std::vector<std::string>{"one two three|four|five six|"}));
  // The selection "two three\r\nfo": its first row starts at "two", its last ends in "four".
  EXPECT_EQ(doc.Pages(100, 1, 4, 17), (std::vector<std::string>{"two three|", "fo|"}));
  EXPECT_EQ(doc.Pages(8, 2, 4, 17), (std::vector<std::string>{"two |three|", "fo|"}));

  RowLayout layout(doc.engine, doc.metrics, 8);
  const PageSpan first = LayOutPage(layout, 0, doc.engine.GetLength(), 2);
  // "one two " with its blank hanging at the edge; the next page starts after the line break.
  EXPECT_EQ(std::tuple(first.rows, first.width, first.end), std::tuple(2, 8, 15));
  // Not one row fits, or nothing is left: no progress, nothing laid out.
  for (auto [start, rows] : {std::pair<Position, int>{0, 0}, {31, 3}}) {
    const PageSpan none = LayOutPage(layout, start, doc.engine.GetLength(), rows);
    EXPECT_EQ(std::tuple(none.end, none.rows), std::tuple(start, 0));
  }
}

// A model paginator: pages of `rows` lines of a text of `lines` lines, one
// byte each; position = line number.
FormatPage PagesOfLines(PagePosition lines, PagePosition rows) {
  return [=](PagePosition at) { return std::min(lines, at + rows); };
}

std::vector<unsigned> Printed(const PrintChoice& choice, PagePosition lines, PagePosition rows, PagePosition start = 0) {
  std::vector<unsigned> pages;
  RunPrintJob(PlanPrintRun(choice), start, lines, PagesOfLines(lines, rows),
              [&](unsigned page) { pages.push_back(page); return true; });
  return pages;
}

TEST(PageSequence, PrintsRangesAndCopiesInTheirOrder) {
  using P = std::vector<unsigned>;
  const struct { PrintChoice choice; P pages; } cases[] = {
      {{}, P{1, 2, 3, 4, 5, 6}},
      {{1, false, true, 3, 5}, P{3, 4, 5}},  // pages 1 and 2 formatted, not printed
      {{1, false, true, 5, 99}, P{5, 6}},
      {{1, false, true, 9, 12}, P{}},  // past the last page
      {{3, true, false, 1, 0xFFFF}, P{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6}},
      {{2, false, true, 2, 3}, P{2, 2, 3, 3}},
      {{2, true, true, 2, 3}, P{2, 3, 2, 3}},
      {{0, false, false, 1, 1}, P{1, 2, 3, 4, 5, 6}},  // no copies asked: one; no range: every page
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Printed(c.choice, 60, 10), c.pages) << c.choice.copies << " " << c.choice.fromPage << "-" << c.choice.toPage;
  }
  // A selection from line 25 to the end numbers its pages from 1.
  EXPECT_EQ(Printed({}, 60, 10, 25), (P{1, 2, 3, 4}));
  EXPECT_EQ(Printed({}, 0, 10), P{1});  // the empty text prints one blank page
  EXPECT_EQ(Printed({}, 60, 0), P{});   // no line fits: the job ends instead of printing blank pages
  // The count: the empty text is one page; it stops at the limit or without progress.
  const std::tuple<PagePosition, PagePosition, unsigned> counts[] = {
      {0, 60, 1u}, {180, 60, 3u}, {181, 60, 4u}, {100000, 60, PageCountLimit}, {100, 0, PageCountLimit}};
  for (auto [lines, rows, pages] : counts) EXPECT_EQ(CountPages(lines, PagesOfLines(lines, rows)), pages) << lines;
}

// Margins that leave less than an inch across or down are dropped, and without top and bottom margins
// there are no page numbers (A4 and Letter less an inch each side: the Wine printing test).
TEST(PageGeometry, MarginsLeavingLessThanAnInchAreDropped) {
  const struct { int width, height; TwipRect margins, print; bool vertical; } cases[] = {
      {2480, 3508, {2500, 14000, 2500, 14000}, {1440, 0, 11904 - 1440, 16838}, false},
      {2480, 3508, {9500, 2500, 9500, 2500}, {0, 1440, 11904, 16838 - 1440}, true},
  };
  for (const auto& c : cases) {
    PageGeometry geometry = ComputePageGeometry(c.width, c.height, 300, 300, c.margins);
    EXPECT_EQ(geometry.page, (TwipRect{0, 0, c.width * 24 / 5, c.height * 24 / 5})) << c.margins.top;
    EXPECT_EQ(geometry.print, c.print) << c.margins.left << " " << c.margins.top;
    EXPECT_EQ(geometry.verticalMargins, c.vertical) << c.margins.top;
  }
}

}  // namespace
