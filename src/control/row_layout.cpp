#include "control/row_layout.h"

#include <algorithm>

namespace {

bool IsBlank(unsigned char b) { return b == ' ' || b == '\t'; }

}  // namespace

void LineXCache::Replaced(Position at, Position removed, Position inserted) {
  if (lineStart_ < 0) return;
  if (at < lineStart_) {
    if (at + removed <= lineStart_) {
      lineStart_ += inserted - removed;
    } else {
      Clear();
    }
    return;
  }
  std::size_t valid = static_cast<std::size_t>((at - lineStart_) / RowLayout::SegmentLength);
  if (x_.size() > valid) x_.resize(valid);
}

RowLayout::RowLayout(const DocumentEngine& engine, const RowMetrics& metrics, int wrapWidth, LineXCache* cache)
    : engine_(engine), metrics_(metrics), wrapWidth_(wrapWidth), cache_(cache) {}

unsigned char RowLayout::ByteAt(Position position) const {
  if (position < chunkStart_ || position >= chunkEnd_) {
    chunkStart_ = position;
    Position end = std::min(engine_.GetLength(), position + ChunkLength);
    chunkEnd_ = position + engine_.GetTextRange({position, end}, chunk_, ChunkLength + 1);
  }
  return static_cast<unsigned char>(chunk_[position - chunkStart_]);
}

RowLayout::Line RowLayout::LineAt(Position position) const {
  Position index = engine_.GetLineFromPosition(position);
  Line line;
  line.start = engine_.GetLineIndex(index);
  line.contentEnd = line.start + engine_.GetLineLength(index);
  line.last = index + 1 >= engine_.GetLineCount();
  line.next = line.last ? engine_.GetLength() : engine_.GetLineIndex(index + 1);
  return line;
}

Position RowLayout::SegmentStart(const Line& line, Position position) const {
  Position offset = std::min(position, line.contentEnd) - line.start;
  Position lastSegment = offset == 0 ? 0 : (line.contentEnd - line.start - 1) / SegmentLength;
  return line.start + std::min(offset / SegmentLength, lastSegment) * SegmentLength;
}

Position RowLayout::SegmentEnd(const Line& line, Position segmentStart) const {
  return segmentStart + std::min(SegmentLength, line.contentEnd - segmentStart);
}

Position RowLayout::BreakAfter(Position start, Position segmentEnd) const {
  std::int64_t x = 0;
  Position afterBlank = start;
  for (Position p = start; p < segmentEnd; ++p) {
    unsigned char b = ByteAt(p);
    int advance = Advance(b, x);
    // Blanks may hang past the edge; a row breaks after its last blank.
    if (IsBlank(b)) {
      afterBlank = p + 1;
    } else if (x + advance > wrapWidth_ && p > start) {
      return afterBlank > start ? afterBlank : p;
    }
    x += advance;
  }
  return segmentEnd;
}

Row RowLayout::MakeRow(const Line& line, Position start, Position end) const {
  if (end < line.contentEnd) return {start, end, end, false, false};
  return {start, line.contentEnd, line.next, true, line.last};
}

Row RowLayout::RowStartingAt(const Line& line, Position start) const {
  if (!Wraps()) return MakeRow(line, start, line.contentEnd);
  Position segmentStart = SegmentStart(line, start);
  return MakeRow(line, start, BreakAfter(start, SegmentEnd(line, segmentStart)));
}

Row RowLayout::RowAt(Position position) const {
  position = std::clamp(position, Position{0}, engine_.GetLength());
  Line line = LineAt(position);
  if (!Wraps()) return MakeRow(line, line.start, line.contentEnd);
  Position segmentStart = SegmentStart(line, position);
  Position segmentEnd = SegmentEnd(line, segmentStart);
  if (segmentStart != memoStart_ || segmentEnd != memoEnd_) {
    memoStart_ = segmentStart;
    memoEnd_ = segmentEnd;
    memoRows_.assign(1, segmentStart);
  }
  auto next = std::upper_bound(memoRows_.begin(), memoRows_.end(), position);
  if (next != memoRows_.end()) return MakeRow(line, *(next - 1), *next);
  for (Position start = memoRows_.back();;) {
    Position end = BreakAfter(start, segmentEnd);
    if (end == segmentEnd) return MakeRow(line, start, end);
    memoRows_.push_back(end);
    if (position < end) return MakeRow(line, start, end);
    start = end;
  }
}

bool RowLayout::NextRow(const Row& row, Row& next) const {
  if (row.last) return false;
  next = RowStartingAt(LineAt(row.next), row.next);
  return true;
}

bool RowLayout::PreviousRow(const Row& row, Row& previous) const {
  if (row.start == 0) return false;
  previous = RowAt(row.start - 1);
  return true;
}

std::int64_t RowLayout::MoveRows(Row& row, std::int64_t count) const {
  std::int64_t moved = 0;
  if (!Wraps() && count != 0) {
    // Rows are lines: jump straight to the line.
    Position line = engine_.GetLineFromPosition(row.start);
    std::int64_t target = std::clamp<std::int64_t>(line + count, 0, engine_.GetLineCount() - 1);
    row = RowAt(engine_.GetLineIndex(static_cast<Position>(target)));
    return target - line;
  }
  Row other;
  while (moved < count && NextRow(row, other)) row = other, ++moved;
  while (moved > count && PreviousRow(row, other)) row = other, --moved;
  return moved;
}

bool RowLayout::UsesCache(const Row& row) const {
  // A wrapped row never spans more than one segment.
  if (cache_ == nullptr || Wraps() || row.end - row.start <= SegmentLength) return false;
  if (cache_->lineStart_ != row.start) {
    cache_->Clear();
    cache_->lineStart_ = row.start;
  }
  return true;
}

void RowLayout::AddMark(const Row& row) const {
  std::vector<std::int64_t>& marks = cache_->x_;
  Position from = row.start + static_cast<Position>(marks.size()) * SegmentLength;
  std::int64_t x = marks.empty() ? 0 : marks.back();
  for (Position p = from; p < from + SegmentLength; ++p) x += Advance(ByteAt(p), x);
  marks.push_back(x);
}

RowLayout::Mark RowLayout::MarkBefore(const Row& row, Position position) const {
  if (!UsesCache(row)) return {row.start, 0};
  std::size_t count = static_cast<std::size_t>((position - row.start) / SegmentLength);
  while (cache_->x_.size() < count) AddMark(row);
  if (count == 0) return {row.start, 0};
  return {row.start + static_cast<Position>(count) * SegmentLength, cache_->x_[count - 1]};
}

RowLayout::Mark RowLayout::MarkBeforeX(const Row& row, std::int64_t x) const {
  if (!UsesCache(row)) return {row.start, 0};
  std::vector<std::int64_t>& marks = cache_->x_;
  auto fits = [&] { return static_cast<std::int64_t>(marks.size() + 1) * SegmentLength <= row.end - row.start; };
  while ((marks.empty() || marks.back() <= x) && fits()) AddMark(row);
  auto count = static_cast<std::size_t>(std::upper_bound(marks.begin(), marks.end(), x) - marks.begin());
  if (count == 0) return {row.start, 0};
  return {row.start + static_cast<Position>(count) * SegmentLength, marks[count - 1]};
}

std::int64_t RowLayout::XOf(const Row& row, Position position) const {
  position = std::clamp(position, row.start, row.end);
  Mark mark = MarkBefore(row, position);
  std::int64_t x = mark.x;
  for (Position p = mark.position; p < position; ++p) x += Advance(ByteAt(p), x);
  return x;
}

Position RowLayout::PositionAtX(const Row& row, std::int64_t x) const {
  Position last = CaretEnd(row);
  Mark mark = MarkBeforeX(row, x);
  std::int64_t left = mark.x;
  for (Position p = mark.position; p < last; ++p) {
    int advance = Advance(ByteAt(p), left);
    if (x < left + (advance + 1) / 2) return p;
    left += advance;
  }
  return last;
}

Position RowLayout::ByteAtX(const Row& row, std::int64_t x, std::int64_t& byteX) const {
  Mark mark = MarkBeforeX(row, x);
  std::int64_t left = mark.x;
  for (Position p = mark.position; p < row.end; ++p) {
    int advance = Advance(ByteAt(p), left);
    if (left + advance > x) {
      byteX = left;
      return p;
    }
    left += advance;
  }
  byteX = left;
  return row.end;
}

std::int64_t RowLayout::RowInLine(const Row& row) const {
  if (!Wraps()) return 0;
  Line line = LineAt(row.start);
  std::int64_t count = 0;
  Row current = RowStartingAt(line, line.start);
  while (current.start < row.start && !current.hardEnd) {
    current = RowStartingAt(line, current.next);
    ++count;
  }
  return count;
}
