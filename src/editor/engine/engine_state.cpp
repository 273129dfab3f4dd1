#include "editor/engine/engine_state.h"

#include <utility>

PositionRange EngineState::Resolve(PositionRange range) const {
  Position end = range.end < 0 ? Length() : Clamp(range.end);
  Position start = Clamp(range.start);
  return start <= end ? PositionRange{start, end} : PositionRange{start, start};
}

bool EngineState::Fits(Position removed, std::size_t inserted) const {
  if (inserted <= static_cast<std::size_t>(removed)) return true;
  std::size_t grown = static_cast<std::size_t>(Length() - removed) + inserted;
  return grown <= static_cast<std::size_t>(limit);
}

bool EngineState::Replace(Position at, Position removed, std::string_view bytes, UndoAction action) {
  if (!Fits(removed, bytes.size())) return false;
  auto inserted = static_cast<Position>(bytes.size());
  if (removed == 0 && inserted == 0) return true;
  Remember(at, removed, inserted, action);
  Position oldLength = Length();
  lines.BeforeReplace(at, removed);
  text.Erase(at, removed);
  text.Insert(at, reinterpret_cast<const unsigned char*>(bytes.data()), inserted);
  lines.AfterReplace(at, removed, inserted, text);
  colours.Replace(at, removed, inserted, textFormat.colour, oldLength);
  modified = true;
  return true;
}

void EngineState::Remember(Position at, Position removed, Position inserted, UndoAction action) {
  if (action == UndoAction::None) {
    undo.reset();
    return;
  }
  bool typing = action == UndoAction::Typing;
  if (typing && removed == 0 && undo && undo->typing && undo->at + undo->inserted == at) {
    undo->inserted += inserted;
    return;
  }
  UndoStep step{at, std::string(static_cast<std::size_t>(removed), '\0'), inserted, typing};
  text.CopyOut(at, at + removed, reinterpret_cast<unsigned char*>(step.removed.data()));
  undo = std::move(step);
}

void EngineState::Adopt(TextStorage&& newText, LineIndex&& newLines) {
  text = std::move(newText);
  lines = std::move(newLines);
  colours.Reset(Length());
  anchor = caret = 0;
  undo.reset();
  modified = true;
}
