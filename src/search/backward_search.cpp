#include "search/backward_search.h"

#include <algorithm>

namespace {

// Bounds are worked out in 64 bits and clamped only for the control, which
// clamps them to the text anyway: a bound near the largest text never wraps.
Position ToBound(std::int64_t bound) { return static_cast<Position>(std::min<std::int64_t>(bound, MaxTextLength)); }

}  // namespace

Position BisectBackward(const EditorOperations& editor, Position limit, std::string_view pattern,
                        std::uint32_t options) {
  const auto size = static_cast<std::int64_t>(pattern.size());
  auto find = [&](std::int64_t from, std::int64_t to) {
    return editor.FindInRange({ToBound(from), ToBound(to)}, pattern, options);
  };
  std::int64_t hi = limit;
  Position r = find(0, hi);
  if (r < 0) return -1;
  for (;;) {
    Position pos = r;
    std::int64_t mid = (pos + hi) / 2;
    r = find(mid, hi);
    if (r >= 0 && size < hi - mid) continue;  // a later occurrence in the upper half
    hi = mid + size;                          // any later one starts before mid
    r = find(pos + 1, hi);
    if (r < 0) return pos;
  }
}

// Let T be the last occurrence that ends at or before the limit. Every step of
// the bisection keeps an occurrence no later than T unless it finds one that
// starts in (T, limit): such an occurrence straddles the limit, and it can be
// reached only when T > limit - 2 * length + 1 (then the bisection's bounds
// near T depend on its whole path). Without one, or with T further back, the
// answer is T. The search engine's tests hold this against the bisection on cases near each bound.
Position FindBackward(const EditorOperations& editor, Position limit, std::string_view pattern,
                      std::uint32_t options) {
  if (limit < 0) return BisectBackward(editor, limit, pattern, options);  // -1 means the end of the text
  const auto size = static_cast<Position>(pattern.size());
  Position last = editor.FindLastInRange({0, limit}, pattern, options);
  if (last < 0 || last <= limit - 2 * size + 1) return last;
  Position straddling = editor.FindInRange({last + 1, ToBound(std::int64_t{limit} - 1 + size)}, pattern, options);
  if (straddling < 0) return last;
  return BisectBackward(editor, limit, pattern, options);
}
