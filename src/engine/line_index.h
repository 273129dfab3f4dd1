// Where the text's lines start. CR LF, a lone CR and a lone LF each end a
// line; a line starts after its predecessor's break. An edit removes and
// re-finds only the starts around the changed bytes, so a CR LF pair that an
// edit splits or joins stays counted right.
#pragma once
#include <vector>

#include "engine/byte_scan.h"
#include "engine/position_list.h"
#include "engine/text_storage.h"

// Finds line starts in bytes fed in order, block by block: a CR at the end of
// one feed is decided by the first byte of the next.
class LineStartScanner {
 public:
  template <class Emit>
  void Feed(const unsigned char* data, Position size, Position base, Emit emit);
  // The text ends: a CR still waiting is a break.
  template <class Emit>
  void Finish(Emit emit) {
    if (pendingCr_) emit(pendingEnd_);
    pendingCr_ = false;
  }

 private:
  bool pendingCr_ = false;
  Position pendingEnd_ = 0;  // position after the waiting CR
};

class LineIndex {
 public:
  // An empty text of length 0.
  LineIndex() = default;

  Position LineCount() const { return starts_.Count() + 1; }
  // The line holding `position` (0 <= position <= text length).
  Position LineOf(Position position) const { return starts_.CountBefore(position + 1); }
  // First position of `line` (0 <= line < LineCount()).
  Position LineStart(Position line) const { return line == 0 ? 0 : starts_.At(line - 1).position; }

  // Called before the text [at, at + removed) changes: forgets the starts
  // that depend on the removed bytes.
  void BeforeReplace(Position at, Position removed);
  // Called after it became `inserted` bytes: moves the later starts and finds
  // the starts among the new bytes and at their edges.
  void AfterReplace(Position at, Position removed, Position inserted, const TextStorage& text);

  // Building from a stream: the text grew by `count` bytes at `base`.
  void Appended(const unsigned char* bytes, Position count, Position base);
  void FinishAppending();

  std::size_t BytesAllocated() const { return starts_.BytesAllocated(); }

 private:
  PositionList<NoValue> starts_;  // every start but line 0's; spans the text length + 1
  LineStartScanner appendScanner_;
};

template <class Emit>
void LineStartScanner::Feed(const unsigned char* data, Position size, Position base, Emit emit) {
  Position i = 0;
  if (pendingCr_ && size > 0) {
    pendingCr_ = false;
    if (data[0] == '\n') {
      emit(base + 1);
      i = 1;
    } else {
      emit(base);
    }
  }
  // A line starts after every LF and after every CR that no LF follows.
  byte_scan::ForEachLineBreakByte(data + i, static_cast<std::size_t>(size - i), [&](std::size_t offset) {
    const Position j = i + static_cast<Position>(offset);
    if (data[j] == '\n') {
      emit(base + j + 1);
    } else if (j + 1 == size) {
      pendingCr_ = true;
      pendingEnd_ = base + size;
    } else if (data[j + 1] != '\n') {
      emit(base + j + 1);
    }
  });
}
