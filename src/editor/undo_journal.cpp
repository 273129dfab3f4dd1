#include "editor/undo_journal.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// How many bytes the edit after a record of `kind` inserts. A typed unit is
// never empty: a run of empty units could never be undone.
Position TypedLength(UndoKind kind, Position length) {
  switch (kind) {
    case UndoTyping:
      return length > 0 ? length : 1;
    case UndoEnter:
      return length > 0 ? length : 2;
    case UndoOverwrite:
      return length > 0 ? length : 1;
    default:
      return 0;
  }
}

}  // namespace

UndoJournal::UndoJournal(EditorOperations& editor, CodePage& viewCodePage, std::function<void()> refreshViewFormat,
                         std::function<void()> reportError)
    : editor_(editor),
      viewCodePage_(viewCodePage),
      refreshViewFormat_(std::move(refreshViewFormat)),
      reportError_(std::move(reportError)) {}

void UndoJournal::SetUseEditorUndo(bool useEditorUndo) {
  // Steps kept while edits go unrecorded would later be applied at stale positions.
  if (useEditorUndo) ClearUndoJournal();
  useEditorUndo_ = useEditorUndo;
}

void UndoJournal::ClearUndoJournal() {
  std::vector<Record>().swap(records_);
  expected_ = Expected::Nothing;
  awaitsHandOver_ = false;
}

void UndoJournal::ExpectUnrecordedChange(UnrecordedChange change) {
  switch (change) {
    case UnrecordedChange::NewDocument:
      expected_ = Expected::NewDocument;
      return;
    case UnrecordedChange::SameText:
      expected_ = Expected::SameText;
      return;
    case UnrecordedChange::None:
      expected_ = Expected::Nothing;
      return;
  }
}

// --- Changes --------------------------------------------------------------------

void UndoJournal::NoteChange(PositionRange replaced, Position inserted) {
  if (useEditorUndo_ || undoing_) return;
  switch (std::exchange(expected_, Expected::Nothing)) {
    case Expected::RecordedStep:
      if (!records_.empty() && records_.back().awaitsChange) CompleteAwaitedStep(replaced, inserted);
      return;
    case Expected::SameText:
      return;
    case Expected::NewDocument:
      ClearUndoJournal();
      return;
    case Expected::Nothing:
      RecordUnannounced(replaced, inserted);
      return;
  }
}

// With no step to keep valid there is nothing to record; after a snapshot
// every change is undone by restoring it.
void UndoJournal::RecordUnannounced(PositionRange replaced, Position inserted) {
  if (records_.empty() || records_.back().kind == UndoSnapshot) return;
  try {
    std::int64_t lengthAfter = std::int64_t{editor_.GetTextLength()} - (replaced.end - replaced.start) + inserted;
    records_.push_back({UndoReplace, replaced.start, replaced.start + inserted, 0, lengthAfter,
                        editor_.GetSelection(), viewCodePage_, editor_.GetTextRange(replaced), nullptr});
  } catch (const std::bad_alloc&) {
    LoseStep();
  }
}

// --- Recording ----------------------------------------------------------------

// A step without memory is lost with the journal; its edit still happens.
void UndoJournal::RecordUndo(UndoKind kind, Position length) {
  if (kind != UndoDeleteWordRight && kind != UndoDeleteWordLeft) {
    if (!RecordUndoOrRefuse(kind, length)) LoseStep();
    return;
  }
  if (useEditorUndo_) return;
  DropUnperformedStep();
  expected_ = Expected::RecordedStep;
  DeleteWord(kind, {editor_.GetTextLength(), editor_.GetSelection()});
}

bool UndoJournal::RecordUndoOrRefuse(UndoKind kind, Position length) {
  if (kind == UndoDeleteWordRight || kind == UndoDeleteWordLeft) {
    RecordUndo(kind, length);  // they delete as they record
    return true;
  }
  if (useEditorUndo_ || kind > UndoOverwrite) {
    withdrawal_ = {records_.size(), expected_};  // nothing recorded, nothing to withdraw
    return true;
  }
  DropUnperformedStep();
  withdrawal_ = {records_.size(), expected_};
  expected_ = Expected::RecordedStep;
  try {
    RecordStep(kind, length, {editor_.GetTextLength(), editor_.GetSelection()});
  } catch (const std::bad_alloc&) {
    WithdrawStep();
    return false;
  }
  return true;
}

bool UndoJournal::RecordHandOver(UndoKind kind) {
  if (useEditorUndo_) return false;
  DropUnperformedStep();
  withdrawal_ = {records_.size(), expected_};
  expected_ = Expected::RecordedStep;
  awaitsHandOver_ = false;
  if (kind == UndoSnapshot && !records_.empty() && records_.back().kind == UndoSnapshot) return true;
  try {
    records_.push_back({kind, 0, 0, 0, -1, editor_.GetSelection(), viewCodePage_, {}, nullptr});
  } catch (const std::bad_alloc&) {
    WithdrawStep();
    return false;
  }
  awaitsHandOver_ = true;
  return true;
}

// The old text is freed when no step waits for it; a step that cannot keep it
// cannot be undone, and goes with the older ones as any lost step does.
void UndoJournal::KeepReplacedText(TextStorage&& replaced) {
  if (!std::exchange(awaitsHandOver_, false) || records_.size() <= withdrawal_.recordCount) return;
  if (expected_ == Expected::RecordedStep) {  // the edit changed nothing (a replace all that found nothing)
    WithdrawStep();
    return;
  }
  Record& record = records_.back();
  try {
    record.handedOver = std::make_unique<TextStorage>(std::move(replaced));
  } catch (const std::bad_alloc&) {
    LoseStep();
    return;
  }
  record.end = editor_.GetTextLength();
  if (record.kind == UndoReplace) record.lengthAfter = record.end;
}

// A snapshot that joined the one before it pushed nothing, and nothing is taken.
void UndoJournal::WithdrawStep() {
  awaitsHandOver_ = false;
  if (records_.size() > withdrawal_.recordCount) {
    records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(withdrawal_.recordCount), records_.end());
  }
  expected_ = withdrawal_.expected;
}

bool UndoJournal::TakeBackStep() {
  if (expected_ == Expected::RecordedStep) {  // nothing has changed yet
    WithdrawStep();
    return true;
  }
  if (records_.size() <= withdrawal_.recordCount) return false;
  UndoLast();
  return records_.size() == withdrawal_.recordCount;
}

void UndoJournal::RecordStep(UndoKind kind, Position length, const EditorState& state) {
  bool selected = state.selection.end > state.selection.start;
  Position typed = TypedLength(kind, length);
  if (selected && kind != UndoSnapshot && kind != UndoReplace) {
    length = typed;
    kind = UndoReplace;
  }
  switch (kind) {
    case UndoTyping:
    case UndoEnter:
      RecordRun(kind, typed, state);
      break;
    case UndoDelete:
    case UndoBackspace:
    case UndoOverwrite:
      RecordAwaitingChange(kind, state);
      break;
    case UndoReplace:
      RecordReplace(std::max(length, Position{0}), state);
      break;
    default:
      RecordSnapshot(state);
      break;
  }
}

// A step whose edit was refused (the text limit) leaves the text at another
// length than it expects, and is dropped. Only the newest step can be
// unchecked, since every record and every undo checks it first. Every other
// change is recorded as it happens, so the text can only disagree still when
// a change was taken for the one a step announced and was not: where it
// happened is unknown, and no older step can be trusted.
void UndoJournal::DropUnperformedStep() {
  if (!records_.empty() && records_.back().awaitsChange) records_.pop_back();  // its edit never came
  if (AgreesWithText()) return;
  Record& last = records_.back();
  bool run = last.kind == UndoTyping || last.kind == UndoEnter;
  if (run) {
    last.end -= last.unit;
    last.lengthAfter -= last.unit;
  }
  if (!run || last.end < last.start) records_.pop_back();
  if (!AgreesWithText()) ClearUndoJournal();
}

bool UndoJournal::AgreesWithText() const {
  if (records_.empty() || records_.back().lengthAfter < 0) return true;
  return records_.back().lengthAfter == editor_.GetTextLength();
}

// Without its record the edit still happens, and older steps would then be
// applied at positions it may have moved: they go too, freeing memory.
void UndoJournal::LoseStep() {
  ClearUndoJournal();
  if (reportError_) reportError_();
}

// A unit typed right after the run's last one joins the run.
void UndoJournal::RecordRun(UndoKind kind, Position unit, const EditorState& state) {
  Position caret = state.selection.start;
  if (!records_.empty()) {
    Record& last = records_.back();
    if (last.kind == kind && last.unit == unit && last.end + unit == caret) {
      last.end = caret;
      last.lengthAfter = std::int64_t{state.length} + unit;
      return;
    }
  }
  Record record{kind, caret, caret, unit, std::int64_t{state.length} + unit, state.selection, viewCodePage_, {}, nullptr};
  records_.push_back(std::move(record));
}

// Delete, Backspace and overwrite: what the control takes for a step (a CR LF
// pair, a character of the view, a byte) is known from the change it makes.
// Delete at the end of the text and Backspace at its start change nothing.
void UndoJournal::RecordAwaitingChange(UndoKind kind, const EditorState& state) {
  Position caret = state.selection.start;
  if (kind == UndoDelete ? caret >= state.length : kind == UndoBackspace && caret <= 0) return;
  Record record{kind, caret, caret, 0, -1, state.selection, viewCodePage_, {}, nullptr};
  record.awaitsChange = true;
  records_.push_back(std::move(record));
}

// A step that cannot keep the bytes it replaces goes with the older ones.
void UndoJournal::CompleteAwaitedStep(PositionRange replaced, Position inserted) {
  Record& record = records_.back();
  try {
    record.text = editor_.GetTextRange(replaced);
  } catch (const std::bad_alloc&) {
    LoseStep();
    return;
  }
  record.start = replaced.start;
  record.end = replaced.start + inserted;
  record.lengthAfter = std::int64_t{editor_.GetTextLength()} - (replaced.end - replaced.start) + inserted;
  record.awaitsChange = false;
}

void UndoJournal::RecordReplace(Position length, const EditorState& state) {
  PositionRange selection = state.selection;
  std::string removed = selection.end > selection.start ? editor_.GetSelectedText() : std::string();
  std::int64_t lengthAfter = std::int64_t{state.length} - (selection.end - selection.start) + length;
  records_.push_back({UndoReplace, selection.start, selection.start + length, 0, lengthAfter, selection,
                      viewCodePage_, std::move(removed), nullptr});
}

// Consecutive snapshots keep only the first: one undo goes back to before all of them.
void UndoJournal::RecordSnapshot(const EditorState& state) {
  if (!records_.empty() && records_.back().kind == UndoSnapshot) return;
  std::string whole = state.length > 0 ? editor_.GetWholeText() : std::string();
  records_.push_back({UndoSnapshot, 0, 0, 0, -1, state.selection, viewCodePage_, std::move(whole), nullptr});
}

// Ctrl+Delete and Ctrl+Backspace: the selection if there is one, otherwise up
// to the next word start or back to the previous one. The deletion happens
// even when it cannot be recorded.
void UndoJournal::DeleteWord(UndoKind kind, const EditorState& state) {
  PositionRange range = state.selection;
  Position caret = range.start;
  if (range.end == range.start) {
    Position next = editor_.FindWordBreak(kind == UndoDeleteWordRight ? WordMove::Right : WordMove::Left, caret);
    if (kind == UndoDeleteWordRight) range.end = std::clamp(next, caret, state.length);
    else range.start = std::clamp(next, Position{0}, caret);
  }
  if (range.end == range.start) return;
  Position lengthAfter = state.length - (range.end - range.start);
  try {
    records_.push_back({UndoReplace, range.start, range.start, 0, lengthAfter, state.selection, viewCodePage_,
                        editor_.GetTextRange(range), nullptr});
  } catch (const std::bad_alloc&) {
    LoseStep();
  }
  editor_.SetSelection(range);
  editor_.ClearSelection();
}

// --- Undo -----------------------------------------------------------------------

void UndoJournal::UndoLast() {
  DropUnperformedStep();
  expected_ = Expected::Nothing;
  if (records_.empty()) return;
  struct Undoing {
    bool& flag;
    explicit Undoing(bool& f) : flag(f) { flag = true; }
    ~Undoing() { flag = false; }
  } undoing(undoing_);
  Record& last = records_.back();
  // A step the text limit or the memory will not let back stays, so nothing is lost.
  try {
    if (last.kind == UndoTyping || last.kind == UndoEnter) {
      UndoUnit(last);
      return;
    }
    bool done = last.handedOver ? ExchangeBack(last) : last.kind == UndoSnapshot ? RestoreSnapshot(last) : PutBack(last);
    if (done) records_.pop_back();
  } catch (const std::bad_alloc&) {
    if (reportError_) reportError_();
  }
}

void UndoJournal::UndoUnit(Record& record) {
  Position length = editor_.GetTextLength();
  Position caret = record.end;  // where the unit was typed, inside a character of today's view too
  editor_.SetSelection({caret, caret + record.unit});
  editor_.ClearSelection();
  if (editor_.GetTextLength() == length) return;  // refused for lack of memory (the editor said so): it stays
  editor_.SetSelection({caret, caret});
  record.end -= record.unit;
  record.lengthAfter -= record.unit;
  if (record.end < record.start) records_.pop_back();
}

bool UndoJournal::PutBack(const Record& record) {
  PositionRange selection = editor_.GetSelection();
  editor_.SetSelection({record.start, record.end});
  bool done = false;
  try {
    done = editor_.ReplaceSelection(record.text);
  } catch (const std::bad_alloc&) {
    editor_.SetSelection(selection);
    throw;
  }
  editor_.SetSelection(done ? record.selection : selection);
  return done;
}

bool UndoJournal::RestoreSnapshot(const Record& record) {
  if (!editor_.ReplaceWholeText(record.text)) return false;
  editor_.SetSelection(record.selection);
  if (record.codePage != viewCodePage_) {
    viewCodePage_ = record.codePage;
    if (refreshViewFormat_) refreshViewFormat_();
  }
  return true;
}

bool UndoJournal::ExchangeBack(Record& record) {
  if (!editor_.ExchangeWholeText(*record.handedOver)) return false;
  editor_.SetSelection(record.selection);
  if (record.kind == UndoSnapshot && record.codePage != viewCodePage_) {
    viewCodePage_ = record.codePage;
    if (refreshViewFormat_) refreshViewFormat_();
  }
  return true;
}
