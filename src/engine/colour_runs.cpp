#include "engine/colour_runs.h"

Colour ColourRuns::ColourOf(Position position, Colour base) const {
  PositionList<Colour>::Entry entry;
  return runs_.FindAtOrBefore(position, entry) ? entry.value : base;
}

ColourRuns::Run ColourRuns::RunAt(Position position, Colour base, Position length) const {
  Run run{0, length, base};
  PositionList<Colour>::Entry entry;
  if (runs_.FindAtOrBefore(position, entry)) {
    run.start = entry.position;
    run.colour = entry.value;
  }
  Position next = runs_.CountBefore(position + 1);
  if (next < runs_.Count()) run.end = runs_.At(next).position;
  return run;
}

void ColourRuns::Paint(Position from, Position to, Colour colour, Colour base, Position length) {
  bool hasAfter = to < length;
  Colour after = hasAfter ? ColourOf(to, base) : base;
  runs_.Erase(from, to + 1);
  if (hasAfter && after != colour) runs_.Insert(to, after);
  if (ColourBefore(from, base) != colour) runs_.Insert(from, colour);
}

void ColourRuns::PaintSorted(const PositionRange* ranges, std::size_t count, Colour colour, Colour base,
                             Position length) {
  if (!Empty()) {
    for (std::size_t i = 0; i < count; ++i) Paint(ranges[i].start, ranges[i].end, colour, base, length);
    return;
  }
  if (colour == base) return;
  // Touching ranges make one run: its start is pushed once, its end once.
  for (std::size_t i = 0; i < count; ++i) {
    if (i == 0 || ranges[i].start != ranges[i - 1].end) runs_.PushBack(ranges[i].start, colour);
    bool joinsNext = i + 1 < count && ranges[i + 1].start == ranges[i].end;
    if (!joinsNext && ranges[i].end < length) runs_.PushBack(ranges[i].end, base);
  }
}

void ColourRuns::Replace(Position at, Position removed, Position inserted, Colour base, Position length) {
  if (removed > 0) {
    bool hasAfter = at + removed < length;
    Colour after = hasAfter ? ColourOf(at + removed, base) : base;
    runs_.Erase(at, at + removed + 1);
    runs_.Adjust(at, removed, 0);
    if (hasAfter && ColourBefore(at, base) != after) runs_.Insert(at, after);
  }
  if (inserted > 0) {
    // Runs from `at` on move, so the new bytes join the run before them; at
    // position 0 the first run stays and takes them in.
    if (at > 0) {
      runs_.Adjust(at - 1, 0, inserted);
    } else {
      runs_.Adjust(0, 0, inserted);
    }
  }
}
