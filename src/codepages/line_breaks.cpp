#include "codepages/line_breaks.h"

#include "codepages/buffer_size.h"

// The lone CRs are counted first, so the result is made at its size: most
// texts have none and are copied whole, and none takes twice its size on the way.
std::string RepairLineBreaks(std::string_view text) {
  std::size_t lone = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    lone += text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n');
  }
  if (lone == 0) return std::string(text);
  std::string out;
  out.resize(BufferSize(text.size(), 1, lone, out.max_size()));
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    out[n++] = text[i];
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) out[n++] = '\n';
  }
  out.resize(n);
  return out;
}
