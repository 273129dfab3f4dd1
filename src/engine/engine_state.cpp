#include "engine/engine_state.h"

#include <cstdint>
#include <new>
#include <stdexcept>
#include <utility>

#include "codepages/buffer_size.h"
#include "engine/byte_scan.h"

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

namespace {

// Memory held back while the line index is updated: if the update runs out,
// it is dropped and the index found again from the text in what it frees
// and what the old index held. Sized by the line breaks being inserted.
std::vector<char> LineCushion(const TextStorage::Piece* pieces, std::size_t count) {
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const unsigned char* data = pieces[i].data;
    auto size = static_cast<std::size_t>(pieces[i].size);
    byte_scan::ForEachLineBreakByte(data, size, [&breaks](std::size_t) { ++breaks; });
  }
  if (breaks == 0) return {};
  return std::vector<char>(BufferSize(breaks, 2 * sizeof(Position), 16384, std::vector<char>().max_size()));
}

}  // namespace

bool EngineState::Replace(Position at, Position removed, const TextStorage::Piece* pieces, std::size_t count,
                          UndoAction action) {
  std::uint64_t size = 0;
  for (std::size_t i = 0; i < count; ++i) size += static_cast<std::uint64_t>(pieces[i].size);
  if (size > static_cast<std::uint64_t>(MaxTextLength) || !Fits(removed, static_cast<std::size_t>(size))) return false;
  auto inserted = static_cast<Position>(size);
  if (removed == 0 && inserted == 0) return true;
  // Whatever may run out of memory happens first, while nothing has changed.
  PendingUndo pending = PrepareUndo(at, removed, action);
  (pending.takesAll ? *pending.emptyText : text).Reserve(inserted, count);
  std::vector<char> cushion = LineCushion(pieces, count);
  AnnounceChange(at, removed, inserted);
  Position oldLength = Length();
  bool tookAll = CommitUndo(pending, inserted);
  bool linesKept = true;
  try {
    lines.BeforeReplace(at, removed);
  } catch (const std::bad_alloc&) {
    linesKept = false;
  } catch (const std::length_error&) {  // a container asked for more than it can hold: the same
    linesKept = false;
  }
  if (!tookAll) text.Erase(at, removed);
  text.Insert(at, pieces, count);
  try {
    if (linesKept) lines.AfterReplace(at, removed, inserted, text);
  } catch (const std::bad_alloc&) {
    linesKept = false;
  } catch (const std::length_error&) {
    linesKept = false;
  }
  if (!linesKept) RebuildLines(cushion);
  try {
    colours.Replace(at, removed, inserted, textFormat.colour, oldLength);
  } catch (const std::bad_alloc&) {
    colours.Reset(Length());  // the painting goes; the text stays whole
  }
  modified = true;
  return true;
}

EngineState::PendingUndo EngineState::PrepareUndo(Position at, Position removed, UndoAction action) const {
  PendingUndo pending;
  if (action == UndoAction::None) return pending;
  bool typing = action == UndoAction::Typing;
  if (typing && removed == 0 && undo && undo->typing && undo->at + undo->inserted == at) {
    pending.kind = PendingUndo::Kind::Extend;
    return pending;
  }
  pending.kind = PendingUndo::Kind::Fresh;
  UndoStep& step = pending.step.emplace();
  step.at = at;
  step.typing = typing;
  pending.takesAll = removed > 0 && removed == Length();
  if (pending.takesAll) {
    pending.emptyText.emplace();
  } else {
    step.removed.AppendRange(text, at, at + removed);
  }
  return pending;
}

bool EngineState::CommitUndo(PendingUndo& pending, Position inserted) noexcept {
  switch (pending.kind) {
    case PendingUndo::Kind::Drop:
      undo.reset();
      return false;
    case PendingUndo::Kind::Extend:
      undo->inserted += inserted;
      return false;
    case PendingUndo::Kind::Fresh:
      break;
  }
  pending.step->inserted = inserted;
  if (pending.takesAll) {
    pending.step->removed = std::move(text);
    text = std::move(*pending.emptyText);
  }
  undo = std::move(pending.step);
  return pending.takesAll;
}

void EngineState::RebuildLines(std::vector<char>& cushion) {
  std::vector<char>().swap(cushion);
  lines = LineIndex();
  lines = IndexLines(text);
}

LineIndex IndexLines(const TextStorage& text) {
  LineIndex lines;
  Position base = 0;
  for (const TextStorage::Piece& piece : text.Pieces(0, text.Length())) {
    lines.Appended(piece.data, piece.size, base);
    base += piece.size;
  }
  lines.FinishAppending();
  return lines;
}

void EngineState::Adopt(TextStorage&& newText, LineIndex&& newLines) {
  TextStorage taken = std::move(newText);
  Exchange(taken, std::move(newLines), 0);
}

void EngineState::Exchange(TextStorage& newText, LineIndex&& newLines, Position caretAfter) {
  AnnounceChange(0, Length(), newText.Length());
  std::swap(text, newText);
  lines = std::move(newLines);
  colours.Reset(Length());
  anchor = caret = caretAfter;
  undo.reset();
  modified = true;
}

bool EngineState::UndoWholeText(UndoStep& step) {
  if (!Fits(Length(), static_cast<std::size_t>(step.removed.Length()))) return false;
  LineIndex restored = IndexLines(step.removed);
  UndoStep next;
  next.inserted = step.removed.Length();
  AnnounceChange(0, Length(), step.removed.Length());
  next.removed = std::move(text);
  text = std::move(step.removed);
  lines = std::move(restored);
  colours.Reset(Length());
  undo = std::move(next);
  modified = true;
  return true;
}
