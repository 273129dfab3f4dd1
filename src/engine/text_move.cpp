#include "engine/text_move.h"

bool PlanTextMove(PositionRange source, Position target, TextMove& move) {
  if (target >= source.start && target <= source.end) return false;
  Position length = source.end - source.start;
  if (target > source.end) {
    move = {{source.start, target}, source.end, {target - length, target}};
  } else {
    move = {{target, source.end}, source.start, {target, target + length}};
  }
  return true;
}

std::string MovedSpan(std::string_view span, const TextMove& move) {
  auto split = static_cast<std::size_t>(move.split - move.span.start);
  std::string result(span.substr(split));
  result.append(span.substr(0, split));
  return result;
}
