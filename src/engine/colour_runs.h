// Colours of ranges of the text over a base colour (HTML tags painted). Each
// entry starts a run of its colour that lasts to the next entry; neighbouring
// runs always differ, so a range is of one colour exactly when no entry lies
// inside it. Runs move with edits: inserted text takes the colour of the byte
// before it (of the byte after it at position 0).
#pragma once
#include "engine/char_format.h"
#include "engine/engine_types.h"
#include "engine/position_list.h"

class ColourRuns {
 public:
  struct Run {
    Position start;
    Position end;
    Colour colour;
  };

  // No runs over a text of `length` bytes.
  void Reset(Position length) { runs_.Reset(length + 1); }
  bool Empty() const { return runs_.Count() == 0; }

  // Colour of the byte at `position`.
  Colour ColourOf(Position position, Colour base) const;
  // The run holding `position` in a text of `length` bytes.
  Run RunAt(Position position, Colour base, Position length) const;
  // True when [from, to) is of one colour.
  bool Uniform(Position from, Position to) const { return to <= from + 1 || runs_.CountBefore(to) == runs_.CountBefore(from + 1); }

  // Colours [from, to) of a text of `length` bytes; 0 <= from < to <= length.
  void Paint(Position from, Position to, Colour colour, Colour base, Position length);
  // Colours the ranges, sorted and disjoint, all in one
  // colour. Over a text without runs the list is built in one pass.
  void PaintSorted(const PositionRange* ranges, std::size_t count, Colour colour, Colour base, Position length);
  // The text [at, at + removed) of a text of `length` bytes became `inserted` bytes.
  void Replace(Position at, Position removed, Position inserted, Colour base, Position length);

  std::size_t BytesAllocated() const { return runs_.BytesAllocated(); }

 private:
  Colour ColourBefore(Position position, Colour base) const { return position > 0 ? ColourOf(position - 1, base) : base; }

  PositionList<Colour> runs_;  // spans the text length + 1
};
