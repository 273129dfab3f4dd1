#include "engine/line_index.h"

#include <algorithm>

void LineIndex::BeforeReplace(Position at, Position removed) { starts_.Erase(at, at + removed + 1); }

void LineIndex::AfterReplace(Position at, Position removed, Position inserted, const TextStorage& text) {
  starts_.Adjust(at, removed, inserted);
  // A start q depends on bytes q - 1 and q, so the starts to find again are
  // those in [at, at + inserted]: scan from the byte before the new ones to
  // the byte after them.
  Position low = std::max(at, Position{1});
  Position high = at + inserted;
  Position from = std::max(at - 1, Position{0});
  Position to = std::min(at + inserted + 1, text.Length());
  std::vector<PositionList<NoValue>::Entry> found;
  auto emit = [&](Position start) {
    if (start >= low && start <= high) found.push_back({start, {}});
  };
  LineStartScanner scanner;
  for (Position position = from; position < to;) {
    TextStorage::Segment segment = text.SegmentAt(position);
    Position offset = position - segment.start;
    Position n = std::min(to - position, segment.length - offset);
    scanner.Feed(segment.data + offset, n, position, emit);
    position += n;
  }
  if (to == text.Length()) scanner.Finish(emit);
  starts_.InsertSorted(found.data(), found.size());
}

void LineIndex::Appended(const unsigned char* bytes, Position count, Position base) {
  starts_.Grow(count);
  // The starts go to the list in batches, which it takes at a few steps per batch.
  constexpr std::size_t batch = 512;
  PositionList<NoValue>::Entry found[batch];
  std::size_t n = 0;
  appendScanner_.Feed(bytes, count, base, [&](Position start) {
    found[n++].position = start;
    if (n == batch) {
      starts_.PushBack(found, n);
      n = 0;
    }
  });
  starts_.PushBack(found, n);
}

void LineIndex::FinishAppending() {
  appendScanner_.Finish([this](Position start) { starts_.PushBack(start, {}); });
}
