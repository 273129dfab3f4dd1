#include "editor/engine/engine_state.h"

#include <cstdint>
#include <utility>

PositionRange EngineState::Resolve(PositionRange range) const {
  Position end = range.end < 0 ? Length() : Clamp(range.end);
  Position start = Clamp(range.start);
  return start <= end ? PositionRange{start, end} : PositionRange{start, start};
}

bool EngineState::Fits(Position removed, std::size_t inserted) const {
  if (inserted <= static_cast<std::size_t>(removed)) return true;
  std::uint64_t grown = std::uint64_t{static_cast<std::uint32_t>(Length() - removed)} + inserted;
  return grown <= static_cast<std::uint64_t>(limit);
}

bool EngineState::Replace(Position at, Position removed, std::string_view bytes, UndoAction action) {
  if (bytes.size() > static_cast<std::size_t>(MaxTextLength)) return false;
  TextStorage::Piece piece{reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<Position>(bytes.size())};
  return Replace(at, removed, &piece, 1, action);
}

bool EngineState::Replace(Position at, Position removed, const TextStorage::Piece* pieces, std::size_t count,
                          UndoAction action) {
  std::uint64_t size = 0;
  for (std::size_t i = 0; i < count; ++i) size += static_cast<std::uint64_t>(pieces[i].size);
  if (size > static_cast<std::uint64_t>(MaxTextLength) || !Fits(removed, static_cast<std::size_t>(size))) return false;
  auto inserted = static_cast<Position>(size);
  if (removed == 0 && inserted == 0) return true;
  AnnounceChange(at, removed, inserted);
  Position oldLength = Length();
  bool tookAll = Remember(at, removed, inserted, action);
  lines.BeforeReplace(at, removed);
  if (!tookAll) text.Erase(at, removed);
  text.Insert(at, pieces, count);
  lines.AfterReplace(at, removed, inserted, text);
  colours.Replace(at, removed, inserted, textFormat.colour, oldLength);
  modified = true;
  return true;
}

bool EngineState::Remember(Position at, Position removed, Position inserted, UndoAction action) {
  if (action == UndoAction::None) {
    undo.reset();
    return false;
  }
  bool typing = action == UndoAction::Typing;
  if (typing && removed == 0 && undo && undo->typing && undo->at + undo->inserted == at) {
    undo->inserted += inserted;
    return false;
  }
  undo.reset();
  UndoStep& step = undo.emplace();
  step.at = at;
  step.inserted = inserted;
  step.typing = typing;
  // The whole text goes: its blocks move to the step instead of being copied.
  if (removed > 0 && removed == Length()) {
    step.removed = std::move(text);
    text = TextStorage();
    return true;
  }
  step.removed.AppendRange(text, at, at + removed);
  return false;
}

void EngineState::Adopt(TextStorage&& newText, LineIndex&& newLines) {
  AnnounceChange(0, Length(), newText.Length());
  text = std::move(newText);
  lines = std::move(newLines);
  colours.Reset(Length());
  anchor = caret = 0;
  undo.reset();
  modified = true;
}

bool EngineState::UndoWholeText(UndoStep& step) {
  if (!Fits(Length(), static_cast<std::size_t>(step.removed.Length()))) return false;
  AnnounceChange(0, Length(), step.removed.Length());
  UndoStep next;
  next.inserted = step.removed.Length();
  next.removed = std::move(text);
  text = std::move(step.removed);
  lines = LineIndex();
  Position base = 0;
  for (const TextStorage::Piece& piece : text.Pieces(0, Length())) {
    lines.Appended(piece.data, piece.size, base);
    base += piece.size;
  }
  lines.FinishAppending();
  colours.Reset(Length());
  undo = std::move(next);
  modified = true;
  return true;
}
