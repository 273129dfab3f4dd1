#include "control/row_layout.h"

#include <algorithm>

#include "engine/char_steps.h"

namespace {

bool IsBlank(unsigned char b) { return b == ' ' || b == '\t'; }

}  // namespace

void LineXCache::Replaced(Position at, Position removed, Position inserted) {
  wrap_.Changed(at);
  if (lineStart_ < 0) return;
  if (at < lineStart_) {
    if (at + removed <= lineStart_) {
      lineStart_ += inserted - removed;
    } else {
      Clear();
    }
    return;
  }
  // A mark's place is moved back to its character's start by the bytes just
  // around it, so an edit that close may move it.
  constexpr Position around = static_cast<Position>(maxUtf8Length);
  std::size_t valid = static_cast<std::size_t>(std::max<Position>(0, at - lineStart_ - around) / RowLayout::SegmentLength);
  if (x_.size() > valid) x_.resize(valid);
}

void WrapMemo::Changed(Position at) {
  // A segment start is moved back to its character's start by the bytes just
  // around it.
  if (segmentStart < 0 || at < segmentStart + 2 * static_cast<Position>(maxUtf8Length)) {
    Clear();
    return;
  }
  KeepReaching(at);
}

void WrapMemo::KeepReaching(Position limit) {
  if (rows.empty()) {  // its first row was never stored (no memory): nothing is known of it
    Clear();
    return;
  }
  std::size_t kept = 0;
  while (kept < reach.size() && reach[kept] <= limit) ++kept;
  reach.resize(kept);
  rows.resize(kept + 1);
}

WrapMemo& WrapMemos::For(Position segmentStart, int wrapWidth) {
  std::size_t chosen = 0;
  for (std::size_t i = 0; i < Count; ++i) {
    if (memos_[i].segmentStart == segmentStart && memos_[i].wrapWidth == wrapWidth) {
      chosen = i;
      break;
    }
    if (used_[i] < used_[chosen]) chosen = i;
  }
  WrapMemo& memo = memos_[chosen];
  if (memo.segmentStart != segmentStart || memo.wrapWidth != wrapWidth) {
    memo.Clear();
    memo.segmentStart = segmentStart;
    memo.wrapWidth = wrapWidth;
  }
  used_[chosen] = ++clock_;
  return memo;
}

RowLayout::RowLayout(const DocumentEngine& engine, const RowMetrics& metrics, int wrapWidth, LineXCache* cache)
    : engine_(engine), metrics_(metrics), wrapWidth_(wrapWidth), cache_(cache) {}

const unsigned char* RowLayout::BytesAt(Position position, Position& available) const {
  Position length = engine_.GetLength();
  bool cutsCharacter = Utf8() && chunkEnd_ - position < static_cast<Position>(maxUtf8Length) && chunkEnd_ < length;
  if (position < chunkStart_ || position >= chunkEnd_ || cutsCharacter) {
    chunkStart_ = position;
    Position end = std::min(length, position + ChunkLength);
    chunkEnd_ = position + engine_.GetTextRange({position, end}, reinterpret_cast<char*>(chunk_), ChunkLength + 1);
  }
  available = chunkEnd_ - position;
  return chunk_ + (position - chunkStart_);
}

RowLayout::Character RowLayout::Decoded(const unsigned char* at, std::size_t available) const {
  Utf8Sequence sequence = DecodeUtf8(at, available);
  if (sequence.status != Utf8Status::Valid) return {1, metrics_.byteWidth[at[0]], at[0], true};
  return {sequence.length, metrics_.characterWidths->Of(sequence.codePoint), sequence.codePoint, false};
}

Position RowLayout::CharacterStart(Position position) const {
  Position length = engine_.GetLength();
  if (!Utf8() || position <= 0 || position >= length) return position;
  constexpr auto back = static_cast<Position>(maxUtf8Length - 1);
  char bytes[2 * maxUtf8Length];
  Position from = std::max<Position>(0, position - back);
  Position to = std::min<Position>(length, position + static_cast<Position>(maxUtf8Length));
  engine_.GetTextRange({from, to}, bytes, sizeof bytes);
  const auto* at = reinterpret_cast<const unsigned char*>(bytes) + (position - from);
  auto distance = Utf8StartDistance(at, static_cast<std::size_t>(position - from), static_cast<std::size_t>(to - position));
  return position - static_cast<Position>(distance);
}

template <typename Stop>
RowLayout::Mark RowLayout::Walk(Position p, std::int64_t x, Position end, Stop&& stop) const {
  const bool utf8 = Utf8();
  const Position length = engine_.GetLength();
  while (p < end) {
    Position available = 0;
    const unsigned char* bytes = BytesAt(p, available);
    const Position n = std::min(available, end - p);
    // Past `whole` a character may run on beyond the chunk: it is read again.
    const Position whole = chunkEnd_ == length ? n : available - static_cast<Position>(maxUtf8Length - 1);
    Position i = 0;
    while (i < n) {
      if (!utf8 || bytes[i] < 0x80) {
        Position run = utf8 ? static_cast<Position>(AsciiRunLength(bytes + i, static_cast<std::size_t>(n - i))) : n - i;
        for (Position last = i + run; i < last; ++i) {
          int advance = Advance(bytes[i], x);
          if (stop(p + i, Position{1}, advance, x, bytes[i])) return {p + i, x};
          x += advance;
        }
        continue;
      }
      if (i >= whole) break;
      Character c = CharacterAt(bytes + i, static_cast<std::size_t>(available - i), x);
      if (i + c.length > n || stop(p + i, c.length, c.advance, x, bytes[i])) return {p + i, x};
      x += c.advance;
      i += c.length;
    }
    p += i;
  }
  return {p, x};
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

Position RowLayout::SegmentBoundary(Position lineStart, Position index) const {
  return index == 0 ? lineStart : CharacterStart(lineStart + index * SegmentLength);
}

Position RowLayout::SegmentStart(const Line& line, Position position) const {
  position = std::min(position, line.contentEnd);
  Position offset = position - line.start;
  Position lastSegment = offset == 0 ? 0 : (line.contentEnd - line.start - 1) / SegmentLength;
  Position index = std::min(offset / SegmentLength, lastSegment);
  // A boundary moved back to its character's start may take `position` in.
  if (index < lastSegment && SegmentBoundary(line.start, index + 1) <= position) ++index;
  return SegmentBoundary(line.start, index);
}

Position RowLayout::SegmentEnd(const Line& line, Position segmentStart) const {
  Position index = (segmentStart - line.start + SegmentLength - 1) / SegmentLength + 1;
  if (line.contentEnd - line.start <= index * SegmentLength) return line.contentEnd;
  return SegmentBoundary(line.start, index);
}

Position RowLayout::BreakAfter(Position start, Position segmentEnd, Position& reach) const {
  Position afterBlank = start, end = segmentEnd;
  reach = segmentEnd;
  Walk(start, 0, segmentEnd, [&](Position p, Position length, int advance, std::int64_t x, unsigned char b) {
    // Blanks may hang past the edge; a row breaks after its last blank.
    if (IsBlank(b)) {
      afterBlank = p + length;
    } else if (x + advance > wrapWidth_ && p > start) {
      end = afterBlank > start ? afterBlank : p;
      // Decoding the character at p may look at a whole sequence.
      reach = p + static_cast<Position>(maxUtf8Length);
      return true;
    }
    return false;
  });
  return end;
}

Row RowLayout::MakeRow(const Line& line, Position start, Position end) const {
  if (end < line.contentEnd) return {start, end, end, false, false};
  return {start, line.contentEnd, line.next, true, line.last};
}

Row RowLayout::RowStartingAt(const Line& line, Position start) const {
  if (!Wraps()) return MakeRow(line, start, line.contentEnd);
  Position segmentStart = SegmentStart(line, start), reach = 0;
  return MakeRow(line, start, BreakAfter(start, SegmentEnd(line, segmentStart), reach));
}

Row RowLayout::RowAt(Position position) const {
  position = std::clamp(position, Position{0}, engine_.GetLength());
  Line line = LineAt(position);
  if (!Wraps()) return MakeRow(line, line.start, line.contentEnd);
  Position segmentStart = SegmentStart(line, position);
  Position segmentEnd = SegmentEnd(line, segmentStart);
  WrapMemo& memo = Memos().For(segmentStart, wrapWidth_);
  if (memo.rows.empty()) {
    memo.segmentEnd = segmentEnd;
    memo.rows.assign(1, segmentStart);
  } else if (segmentEnd != memo.segmentEnd) {
    // An edit moved the end: a break kept holds if its walk read no further.
    memo.KeepReaching(segmentEnd);
    memo.segmentEnd = segmentEnd;
  }
  std::vector<Position>& rows = memo.rows;
  auto next = std::upper_bound(rows.begin(), rows.end(), position);
  if (next != rows.end()) return MakeRow(line, *(next - 1), *next);
  for (Position start = rows.back();;) {
    Position reach = 0;
    Position end = BreakAfter(start, segmentEnd, reach);
    if (end == segmentEnd) return MakeRow(line, start, end);
    rows.push_back(end);
    memo.reach.push_back(reach);
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
  auto count = static_cast<Position>(marks.size());
  Position from = SegmentBoundary(row.start, count), to = SegmentBoundary(row.start, count + 1);
  std::int64_t x = marks.empty() ? 0 : marks.back();
  marks.push_back(Walk(from, x, to, [](auto...) { return false; }).x);
}

RowLayout::Mark RowLayout::MarkBefore(const Row& row, Position position) const {
  if (!UsesCache(row)) return {row.start, 0};
  std::size_t count = static_cast<std::size_t>((position - row.start) / SegmentLength);
  while (cache_->x_.size() < count) AddMark(row);
  if (count == 0) return {row.start, 0};
  return {SegmentBoundary(row.start, static_cast<Position>(count)), cache_->x_[count - 1]};
}

RowLayout::Mark RowLayout::MarkBeforeX(const Row& row, std::int64_t x) const {
  if (!UsesCache(row)) return {row.start, 0};
  std::vector<std::int64_t>& marks = cache_->x_;
  auto fits = [&] { return static_cast<std::int64_t>(marks.size() + 1) * SegmentLength <= row.end - row.start; };
  while ((marks.empty() || marks.back() <= x) && fits()) AddMark(row);
  auto count = static_cast<std::size_t>(std::upper_bound(marks.begin(), marks.end(), x) - marks.begin());
  if (count == 0) return {row.start, 0};
  return {SegmentBoundary(row.start, static_cast<Position>(count)), marks[count - 1]};
}

std::int64_t RowLayout::XOf(const Row& row, Position position) const {
  position = std::clamp(position, row.start, row.end);
  Mark mark = MarkBefore(row, position);
  return Walk(mark.position, mark.x, position, [](auto...) { return false; }).x;
}

Position RowLayout::PositionAtX(const Row& row, std::int64_t x) const {
  Position last = CaretEnd(row);
  Mark mark = MarkBeforeX(row, x);
  Position found = last;
  Walk(mark.position, mark.x, last, [&](Position p, Position, int advance, std::int64_t left, unsigned char) {
    if (x >= left + (advance + 1) / 2) return false;
    found = p;
    return true;
  });
  return found;
}

Position RowLayout::ByteAtX(const Row& row, std::int64_t x, std::int64_t& byteX) const {
  Mark mark = MarkBeforeX(row, x);
  Position found = row.end;
  Mark end = Walk(mark.position, mark.x, row.end, [&](Position p, Position, int advance, std::int64_t left, unsigned char) {
    if (left + advance <= x) return false;
    found = p;
    return true;
  });
  byteX = end.x;
  return found;
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
