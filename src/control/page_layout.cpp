#include "control/page_layout.h"

#include <algorithm>

PageSpan LayOutPage(const RowLayout& layout, Position start, Position rangeEnd, int rowsPerPage) {
  PageSpan page{start, start, 0, 0};
  if (rowsPerPage <= 0 || start >= rangeEnd) return page;
  Row row = layout.RowAt(start);
  while (page.rows < rowsPerPage) {
    Position drawnEnd = std::min(row.end, rangeEnd);
    std::int64_t from = row.start < start ? layout.XOf(row, start) : 0;
    page.width = std::max(page.width, layout.XOf(row, std::max(drawnEnd, start)) - from);
    ++page.rows;
    page.end = std::min(row.next, rangeEnd);
    if (page.end >= rangeEnd || !layout.NextRow(row, row)) break;
  }
  return page;
}
