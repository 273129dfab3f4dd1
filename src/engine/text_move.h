// Moving a block of text to another place as one replacement: the moved bytes
// and the bytes they jump over change places inside one span, so the move is
// one change and one undo step.
#pragma once
#include <string>
#include <string_view>

#include "engine/engine_types.h"

struct TextMove {
  PositionRange span;    // the bytes the move rewrites
  Position split = 0;    // the rewritten span is [split, end) followed by [start, split)
  PositionRange landed;  // where the moved bytes are afterwards
};

// The move of `source` to the position `target`; false when the target lies
// inside the block or at its edges, where moving would change nothing.
bool PlanTextMove(PositionRange source, Position target, TextMove& move);

// The span's bytes as the move leaves them.
std::string MovedSpan(std::string_view span, const TextMove& move);
