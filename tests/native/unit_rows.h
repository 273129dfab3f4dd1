// A text laid out in rows where every byte is one pixel wide, so that x counts
// bytes; tab stops every 4.
#pragma once
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
