// Pages of the document control on a printer: the rows of a range, laid out
// at the printer's width, cut into pages of whole rows. Only the page asked for
// is laid out, so the cost of a page is the cost of its rows.
#pragma once
#include <cstdint>

#include "control/row_layout.h"

// One page of a range: bytes [start, end) on `rows` rows, the widest `width`
// wide. `end` is where the next page starts; end == start when not one row
// fits (or nothing is left), so a caller stepping through pages must stop.
struct PageSpan {
  Position start = 0;
  Position end = 0;
  int rows = 0;
  std::int64_t width = 0;
};

// The page of [start, rangeEnd) that begins at `start`, at most `rowsPerPage`
// rows. The first row begins at `start` even inside a line, as a printed
// selection begins at its first byte.
PageSpan LayOutPage(const RowLayout& layout, Position start, Position rangeEnd, int rowsPerPage);

// Calls draw(rowIndex, from, to, rowStart) for each row of `page`, the bytes
// [from, to) being what is printed of it and rowStart its first byte.
template <typename Draw>
void ForEachPageRow(const RowLayout& layout, const PageSpan& page, Draw&& draw) {
  if (page.rows <= 0) return;
  Row row = layout.RowAt(page.start);
  for (int i = 0; i < page.rows; ++i) {
    Position from = row.start < page.start ? page.start : row.start;
    Position to = row.end < page.end ? row.end : page.end;
    draw(i, from, to < from ? from : to, row.start);
    if (!layout.NextRow(row, row)) break;
  }
}
