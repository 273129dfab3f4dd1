// Rows on screen of the document control: its text lines, cut to the window
// width when word wrap is on. Nothing is laid out in advance: every row is found
// from the text around it when asked for, so the cost of a question depends on
// the length of one line (at most one segment of it), never on the whole text.
//
// A line longer than SegmentLength bytes wraps in independent segments of that
// length (a row always starts at a segment start), so that finding the row of a
// position never wraps more than one segment, however long the line.
//
// In the UTF-8 view the layout steps by characters (engine/char_steps.h): a
// valid sequence is one character, any other byte one of its own, and every
// row end, segment start and position it answers is a character start. ASCII
// runs are still measured a byte at a time from the table.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "codepages/utf8.h"
#include "control/character_widths.h"
#include "engine/document_engine.h"

// What each byte occupies on screen, in pixels, in one font and code page.
struct RowMetrics {
  // Advance of each byte; tab, CR and LF are not looked up. In the UTF-8 view
  // only ASCII and, for the bytes above, the mark shown for a byte that
  // starts no character.
  int byteWidth[256] = {};
  int tabWidth = 64;  // distance between tab stops (> 0)
  // Set in the UTF-8 view: the advance of every character above ASCII.
  const CharacterWidths* characterWidths = nullptr;
};

// One row on screen: bytes [start, end) are drawn; the next row starts at
// `next`. A row that ends its line (`hardEnd`) runs on over the line break, so
// `next` is the start of the following line. The final row of the text has
// `last` set and next == end == the text length.
struct Row {
  Position start = 0;
  Position end = 0;
  Position next = 0;
  bool hardEnd = true;
  bool last = true;
  bool operator==(const Row&) const = default;
};

// The row starts found so far in one wrapped segment, so that walking back row
// by row through a long line, or typing in it, wraps the segment once.
struct WrapMemo {
  Position segmentStart = -1;
  Position segmentEnd = -1;
  int wrapWidth = 0;
  std::vector<Position> rows;   // rows[0] is the segment start, the others soft breaks
  std::vector<Position> reach;  // reach[k]: the bytes read to find rows[k + 1] end before it

  void Clear() {
    segmentStart = segmentEnd = -1;
    rows.clear();
    reach.clear();
  }
  // Bytes from `at` on changed: the breaks found from bytes before it stay.
  void Changed(Position at);
  // Keeps the breaks whose walk read nothing at or past `limit`.
  void KeepReaching(Position limit);
};

// The rows of the last few segments wrapped: a screen may span a segment
// boundary, and walking up from a segment's first row wraps the one before.
class WrapMemos {
 public:
  void Clear() {
    for (WrapMemo& memo : memos_) memo.Clear();
  }
  void Changed(Position at) {
    for (WrapMemo& memo : memos_) memo.Changed(at);
  }
  // The memo of the segment at `segmentStart` wrapped to `wrapWidth`; another
  // segment takes the place of the one used longest ago.
  WrapMemo& For(Position segmentStart, int wrapWidth);

 private:
  static constexpr std::size_t Count = 4;
  WrapMemo memos_[Count];
  std::uint32_t used_[Count] = {};
  std::uint32_t clock_ = 0;
};

// What the layouts of one control remember between operations; the owner
// reports edits. Without wrap a row is a whole line, however long: x is kept at
// every SegmentLength bytes of the last long line measured, so that x and
// positions far along it are found from the nearest mark. With wrap, the rows
// of the last segments wrapped are kept.
class LineXCache {
 public:
  void Clear() {
    lineStart_ = -1;
    x_.clear();
    wrap_.Clear();
  }
  // [at, at + removed) became `inserted` bytes: marks after `at` are dropped.
  void Replaced(Position at, Position removed, Position inserted);

 private:
  friend class RowLayout;
  Position lineStart_ = -1;
  std::vector<std::int64_t> x_;  // x_[k]: x at lineStart_ + (k + 1) * SegmentLength
  WrapMemos wrap_;
};

// A layout answers for the text as it was when it was made: it remembers
// bytes and rows, so it lives no longer than one operation.
class RowLayout {
 public:
  static constexpr Position SegmentLength = 65536;

  // One character of the view: its bytes and advance; `code` is its Unicode
  // character in the UTF-8 view and its byte in the others. `mark`: a byte of
  // the UTF-8 view that starts no character, shown as its hex digits.
  struct Character {
    Position length;
    int advance;
    char32_t code;
    bool mark;
  };

  // wrapWidth <= 0: no word wrap, every line is one row. `cache` may be null.
  RowLayout(const DocumentEngine& engine, const RowMetrics& metrics, int wrapWidth, LineXCache* cache = nullptr);

  bool Wraps() const { return wrapWidth_ > 0; }

  // The row holding `position` (clamped to the text). A position on a soft
  // break is at the start of the row after it.
  Row RowAt(Position position) const;
  // The rows before and after `row`; false at either end of the text.
  bool NextRow(const Row& row, Row& next) const;
  bool PreviousRow(const Row& row, Row& previous) const;
  // Moves `row` by `count` rows (negative: up) as far as the text allows;
  // returns the number of rows actually moved (with the sign).
  std::int64_t MoveRows(Row& row, std::int64_t count) const;

  bool Utf8() const { return metrics_.characterWidths != nullptr; }

  // The last position a caret can take on `row`: its end, or the character
  // before a soft break (a position on the break is shown on the next row).
  Position CaretEnd(const Row& row) const { return row.hardEnd ? row.end : CharacterStart(row.end - 1); }
  // The start of the character holding `position`.
  Position CharacterStart(Position position) const;

  // Pixels from the row's left edge to `position` (clamped to the row).
  std::int64_t XOf(const Row& row, Position position) const;
  // The caret position nearest to `x` on `row`.
  Position PositionAtX(const Row& row, std::int64_t x) const;
  // The first character of `row` whose right edge lies beyond `x` (row.end
  // when none), and the x of its left edge in `byteX`.
  Position ByteAtX(const Row& row, std::int64_t x, std::int64_t& byteX) const;
  // Width of the drawn bytes of `row`.
  std::int64_t Width(const Row& row) const { return XOf(row, row.end); }

  // Advance of byte `b` drawn at `x` (tabs go to the next tab stop).
  int Advance(unsigned char b, std::int64_t x) const {
    return b == '\t' ? static_cast<int>(metrics_.tabWidth - x % metrics_.tabWidth) : metrics_.byteWidth[b];
  }
  // The character at `at` drawn at `x`; `available` (at least 1) bytes are
  // readable, up to the end of the text or at least a whole character.
  Character CharacterAt(const unsigned char* at, std::size_t available, std::int64_t x) const {
    if (!Utf8() || at[0] < 0x80) return {1, Advance(at[0], x), at[0], false};
    // Two bytes, the most common kind (Cyrillic among them), decoded here.
    if (at[0] >= 0xC2 && at[0] <= 0xDF && available >= 2 && (at[1] & 0xC0) == 0x80) {
      char32_t code = static_cast<char32_t>(at[0] & 0x1F) << 6 | (at[1] & 0x3F);
      return {2, metrics_.characterWidths->Of(code), code, false};
    }
    return Decoded(at, available);
  }
  // Whether bytes read in chunks may cut the character starting with `first`
  // short: `available` are read and `more` follow.
  bool CutsCharacter(unsigned char first, Position available, bool more) const {
    return Utf8() && more && first >= 0x80 && available < static_cast<Position>(maxUtf8Length);
  }

  // Rows counted from the start of the line of `row` to `row`.
  std::int64_t RowInLine(const Row& row) const;

 private:
  struct Line {
    Position start = 0;
    Position contentEnd = 0;  // before the line break
    Position next = 0;        // start of the following line, or the text length
    bool last = false;
  };

  // A character of the UTF-8 view above ASCII, or a byte that starts none.
  Character Decoded(const unsigned char* at, std::size_t available) const;

  Line LineAt(Position position) const;
  Position SegmentStart(const Line& line, Position position) const;
  Position SegmentEnd(const Line& line, Position segmentStart) const;
  // Where segment `index` of a line starting at `lineStart` begins.
  Position SegmentBoundary(Position lineStart, Position index) const;
  // Where the row starting at `start` ends inside its segment [.., segmentEnd);
  // `reach` is set past the last byte read to find it.
  Position BreakAfter(Position start, Position segmentEnd, Position& reach) const;
  Row MakeRow(const Line& line, Position start, Position end) const;
  Row RowStartingAt(const Line& line, Position start) const;

  // The chunk's bytes from `position` on, `available` of them: at least a
  // whole character unless the text ends first.
  const unsigned char* BytesAt(Position position, Position& available) const;

  // A known x on `row` at or before a position or an x: a mark of the cache,
  // or the row start.
  struct Mark {
    Position position;
    std::int64_t x;
  };
  // Walks the characters of [from, end) from x, calling stop(position,
  // length, advance, x, first byte) before each; stops where it returns true,
  // at `end`, or before a character that `end` cuts. Returns where it stopped.
  template <typename Stop>
  Mark Walk(Position from, std::int64_t x, Position end, Stop&& stop) const;
  Mark MarkBefore(const Row& row, Position position) const;
  Mark MarkBeforeX(const Row& row, std::int64_t x) const;
  bool UsesCache(const Row& row) const;
  void AddMark(const Row& row) const;

  const DocumentEngine& engine_;
  const RowMetrics& metrics_;
  int wrapWidth_;
  LineXCache* cache_;

  // The cache's rows, or the layout's own without a cache.
  mutable WrapMemos ownMemos_;
  WrapMemos& Memos() const { return cache_ != nullptr ? cache_->wrap_ : ownMemos_; }

  // A small window on the text, so that scanning a row copies bytes in chunks.
  static constexpr Position ChunkLength = 4096;
  mutable unsigned char chunk_[ChunkLength + 1];
  mutable Position chunkStart_ = 0;
  mutable Position chunkEnd_ = 0;
};
