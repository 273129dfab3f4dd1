// A text laid out in rows where every byte is one pixel wide, so that x counts
// bytes; tab stops every 4.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "control/row_layout.h"

inline RowMetrics UnitMetrics() {
  RowMetrics metrics;
  for (int& width : metrics.byteWidth) width = 1;
  metrics.byteWidth['\r'] = metrics.byteWidth['\n'] = 0;
  metrics.tabWidth = 4;
  return metrics;
}

struct Document {
  DocumentEngine engine;
  RowMetrics metrics = UnitMetrics();
  explicit Document(const std::string& text) { engine.SetTextLimit(MaxTextLength); engine.SetText(text); }
  RowLayout Layout(int width) const { return RowLayout(engine, metrics, width); }
};

// Edits `doc` (filled first with pieces past two segments) at random, mostly
// typing and deleting at a caret, and checks after each that the rows a
// control's cache keeps across edits are the rows of a fresh layout.
template <typename Piece>
void ExpectRowsKeptAcrossEditsAsFresh(Document& doc, std::mt19937& random, Piece piece) {
  constexpr Position S = RowLayout::SegmentLength;
  auto text = [&](std::size_t pieces) {
    std::string t;
    for (std::size_t i = 0; i < pieces; ++i) t += piece();
    return t;
  };
  std::string start;
  while (static_cast<Position>(start.size()) < 2 * S + 300) start += piece();
  doc.engine.SetText(start);
  const int widths[] = {7, 30};
  LineXCache caches[2];  // as two controls, each with its width
  Position caret = S + 100;
  for (int edit = 0; edit < 400; ++edit) {
    // Now and then anywhere: segment boundaries and line breaks move under the rows kept.
    Position length = doc.engine.GetLength();
    if (random() % 10 == 0) caret = static_cast<Position>(random() % static_cast<std::uint32_t>(length + 1));
    // Now and then right at a segment's start, which in UTF-8 depends on the bytes around it.
    if (random() % 10 == 0) caret = S * static_cast<Position>(1 + random() % 2) - 8 + static_cast<Position>(random() % 16);
    caret = std::min(caret, length);
    Position removed = random() % 3 == 0 ? std::min<Position>(length - caret, random() % 4) : 0;
    std::string inserted = text(removed > 0 ? random() % 2 : 1 + random() % 3);
    doc.engine.SetSelection(caret, caret + removed);
    doc.engine.ReplaceSelection(inserted);
    for (LineXCache& cache : caches) cache.Replaced(caret, removed, static_cast<Position>(inserted.size()));
    caret += static_cast<Position>(inserted.size());
    for (int w = 0; w < 2; ++w) {
      // A layout per operation, as the control makes them, over the rows kept.
      const int width = widths[w];
      RowLayout cached(doc.engine, doc.metrics, width, &caches[w]), fresh = doc.Layout(width);
      Row row = cached.RowAt(caret), previous;
      ASSERT_EQ(row, fresh.RowAt(caret)) << edit << " width " << width;
      for (int up = 0; up < 5 && cached.PreviousRow(row, previous); ++up) {
        ASSERT_EQ(previous, fresh.RowAt(row.start - 1)) << edit << " width " << width;
        row = previous;
      }
      Position far = static_cast<Position>(random() % static_cast<std::uint32_t>(doc.engine.GetLength() + 1));
      ASSERT_EQ(cached.RowAt(far), fresh.RowAt(far)) << edit << " width " << width;
    }
  }
}
