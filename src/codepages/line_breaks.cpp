#include "codepages/line_breaks.h"

#include "codepages/buffer_size.h"

std::string RepairLineBreaks(std::string_view text) {
  std::string out;
  out.resize(BufferSize(text.size(), 2, 0, out.max_size()));
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out[n++] = text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) out[n++] = '\n';
  }
  out.resize(n);
  return out;
}
