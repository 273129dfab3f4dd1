// Inside of DocumentEngine: the document's parts and the one primitive that
// changes its bytes, keeping text, lines, colours, undo and flag in step.
#pragma once
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "codepages/code_pages.h"
#include "engine/char_format.h"
#include "engine/colour_runs.h"
#include "engine/engine_types.h"
#include "engine/line_index.h"
#include "engine/text_storage.h"

// The last change, enough to take it back: `inserted` bytes now stand at `at`
// where `removed` stood.
struct UndoStep {
  Position at = 0;
  TextStorage removed;
  Position inserted = 0;
  bool typing = false;
};

class EngineState {
 public:
  TextStorage text;
  LineIndex lines;
  ColourRuns colours;
  CodePage codePage = Ansi;
  Position limit = InitialTextLimit;
  Position anchor = 0;
  Position caret = 0;
  bool modified = false;
  std::optional<UndoStep> undo;
  CharFormat defaultFormat;
  CharFormat textFormat;
  // Told of every change just before it happens, while the old bytes can still be read.
  std::function<void(PositionRange replaced, Position inserted)> beforeChange;

  Position Length() const { return text.Length(); }
  Position Clamp(Position position) const { return position < 0 ? 0 : position > Length() ? Length() : position; }
  PositionRange Selection() const {
    return anchor <= caret ? PositionRange{anchor, caret} : PositionRange{caret, anchor};
  }
  // The range a request names: a negative end is the end of the text, both
  // ends are clamped, and an inverted range is empty at its start.
  PositionRange Resolve(PositionRange range) const;

  // Whether replacing `removed` bytes by `inserted` bytes keeps the text
  // within the limit (a change that does not lengthen the text always does).
  bool Fits(Position removed, std::size_t inserted) const;

  // Replaces [at, at + removed) by `bytes`; the range must lie in the text.
  // False when the limit refuses it; then nothing changed.
  bool Replace(Position at, Position removed, std::string_view bytes, UndoAction action);
  bool Replace(Position at, Position removed, const TextStorage::Piece* pieces, std::size_t count, UndoAction action);

  // Takes a whole new text built elsewhere: caret at 0, no colour runs, no
  // undo step, modified.
  void Adopt(TextStorage&& newText, LineIndex&& newLines);
  // The same, handing the old text back in `newText`, with the caret at `caretAfter`.
  void Exchange(TextStorage& newText, LineIndex&& newLines, Position caretAfter);

  // Takes back a step that replaced the whole text by exchanging the texts'
  // blocks, not copying them; the current text becomes the next step. False,
  // with nothing changed, over the limit.
  bool UndoWholeText(UndoStep& step);

 private:
  void AnnounceChange(Position at, Position removed, Position inserted) const {
    if (beforeChange && (removed > 0 || inserted > 0)) beforeChange({at, at + removed}, inserted);
  }
  // What a change does to the undo step, with the removed bytes already
  // copied: everything that may run out of memory is done before the change.
  struct PendingUndo {
    enum class Kind { Drop, Extend, Fresh } kind = Kind::Drop;
    bool takesAll = false;  // the whole text goes: its blocks move to the step
    std::optional<UndoStep> step;
    std::optional<TextStorage> emptyText;  // what the text becomes when its blocks move
  };
  PendingUndo PrepareUndo(Position at, Position removed, UndoAction action) const;
  // Puts the step in place; true when that took the whole text away.
  bool CommitUndo(PendingUndo& pending, Position inserted) noexcept;
  // Finds the line starts again from the text, after an update of the index
  // ran out of memory; `cushion` is memory held back for it.
  void RebuildLines(std::vector<char>& cushion);
};

// The line starts of a whole text.
LineIndex IndexLines(const TextStorage& text);
